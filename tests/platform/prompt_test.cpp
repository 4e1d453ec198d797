// The real Prompt service's dialogs, driven as a user would answer them.

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/prompt.h"

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
        QString chosen;
        QMessageBox::StandardButton answer; // to the replace question
        QString result;
        int questions;
    };
    const Case cases[] = {
        {existing, QMessageBox::Yes, existing, 1},
        {existing, QMessageBox::No, QString(), 1}, // the box stays open and is then cancelled
        {fresh, QMessageBox::NoButton, fresh, 0},
        // A name typed without the suffix is the file the caller writes: it is asked about too.
        {dir.path() + QStringLiteral("/a"), QMessageBox::Yes, existing, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString() + " " + std::to_string(c.answer));
        int questions = 0;
        bool chosen = false;
        // Plays the user: chooses the file, answers the question, cancels a box still open.
        QTimer user;
        user.setInterval(20);
        QObject::connect(&user, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                ++questions;
                EXPECT_TRUE(box->text().contains(QStringLiteral("a.dat")));
                box->button(c.answer)->click();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                if (!chosen) {
                    chosen = true;
                    dialog->selectFile(c.chosen);
                    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
                } else {
                    dialog->reject();
                }
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
