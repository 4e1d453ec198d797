// The real Prompt service's dialogs, driven as a user would answer them.

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/prompt.h"
#include "common/ui_steps.h"

namespace {

TEST(QtPromptTest, SaveBoxAsksBeforeReplacingAFileThatExists)
{
    QTemporaryDir dir;
    const QString existing = dir.path() + QStringLiteral("/a.dat");
    const QString fresh = dir.path() + QStringLiteral("/b.dat");
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    struct Case {
        QString typed; // into the box's file-name field, in the folder the box opens in
        QMessageBox::StandardButton answer; // to the replace question
        QString result;
        int questions;
    };
    const Case cases[] = {
        {QStringLiteral("a.dat"), QMessageBox::Yes, existing, 1},
        {QStringLiteral("a.dat"), QMessageBox::No, QString(), 1}, // the box stays open and is then cancelled
        {QStringLiteral("b.dat"), QMessageBox::NoButton, fresh, 0},
        // A name typed without the suffix is the file the caller writes: it is asked about too.
        {QStringLiteral("a"), QMessageBox::Yes, existing, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString() + " " + std::to_string(c.answer));
        int questions = 0;
        bool typed = false;
        // Plays the user: types the name and presses Enter, answers the question, cancels a box
        // still open. Whether the platform has made the box active by the first tick does not
        // matter: the user brings it to the front and clicks into the name field first.
        QTimer user;
        user.setTimerType(Qt::PreciseTimer);
        user.setInterval(20);
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                ++questions;
                EXPECT_TRUE(box->text().contains(QStringLiteral("a.dat")));
                QTest::mouseClick(box->button(c.answer), Qt::LeftButton);
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                if (typed) {
                    dialog->reject();
                    return;
                }
                typed = true;
                auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                testenv::Activate(dialog);
                QTest::mouseClick(name, Qt::LeftButton);
                QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(name, c.typed);
                testenv::Settle();
                // A completion list that the folder's contents opened meanwhile is closed as the
                // user would close it, so that Enter reaches the box and not the list.
                if (QCompleter *completer = name->completer();
                    completer && completer->popup() && completer->popup()->isVisible())
                    QTest::keyClick(completer->popup(), Qt::Key_Escape);
                EXPECT_EQ(name->text(), c.typed);
                // Pressed after this tick returns: the replace question opens from the key's
                // handler, and this timer must be free to answer it.
                QMetaObject::invokeMethod(
                    name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
            }
        });
        user.start();
        QtPrompt real;
        const QString result = real.GetSaveFileName(nullptr, QString(), dir.path(), QStringLiteral("Data (*.dat)"));
        user.stop();
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(questions, c.questions);
    }
}

} // namespace
