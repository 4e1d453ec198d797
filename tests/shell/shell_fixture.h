#pragma once
// Fixture of the shell's tests: a temporary program folder (AppTest), the per-user store in a
// temporary folder, a chosen user locale, and no window left over from a test.

#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include "common/test_env.h"

namespace shelltest {

class ShellTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        for (const char *name : kLocaleVariables) {
            saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
            qunsetenv(name);
        }
        qputenv("LANG", "en_US.UTF-8");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir_.path());
    }

    void TearDown() override
    {
        CloseAllWindows();
        for (const Saved &s : saved_) {
            if (s.wasSet)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
        AppTest::TearDown();
    }

    // Every top-level window, closed and deleted.
    static void CloseAllWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!w->parentWidget())
                windows.append(w);
        for (const QPointer<QWidget> &w : windows) {
            if (w.isNull())
                continue;
            w->setAttribute(Qt::WA_DeleteOnClose, false);
            w->close();
        }
        for (const QPointer<QWidget> &w : windows)
            delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class T>
    static T *FindWindow(const QString &name)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!w->parentWidget() && w->objectName() == name)
                if (auto *t = qobject_cast<T *>(w))
                    return t;
        return nullptr;
    }

    QString SettingsDir() const { return settingsDir_.path(); }

private:
    static constexpr const char *kLocaleVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    struct Saved {
        const char *name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved_;
    QTemporaryDir settingsDir_;
};

} // namespace shelltest

// Readable QString values in test failures.
inline void PrintTo(const QString &text, std::ostream *os) { *os << '"' << text.toStdString() << '"'; }
