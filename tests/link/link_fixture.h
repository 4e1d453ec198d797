#pragma once
// A transfer against the simulated radio, in process: the program's serial port is a fake whose
// writes reach the radio and whose input is the radio's output, both through the event loop.

#include <QDialog>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "common/test_env.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "platform/fake_serial_port.h"
#include "platform/prompt_script.h"
#include "radiosim/radio_sim.h"

namespace linktest {

constexpr int kTestPort = 7;

// Runs a modal window's own loop; a window still open after timeoutMs is closed, so that no test
// waits for ever.
inline int ExecBounded(QDialog *dialog, int timeoutMs = 30000)
{
    QTimer::singleShot(timeoutMs, dialog, [dialog] { dialog->done(QDialog::Rejected); });
    return ScriptedPrompt::Exec(dialog);
}

class LinkTest : public testenv::AppTest {
protected:
    void SetUp() override
    {
        testenv::AppTest::SetUp();
        oldExtra_ = qgetenv("TORVA_EXTRA_PORTS");
        qputenv("TORVA_EXTRA_PORTS", QByteArray("7=/dev/torva-test-port"));
        State().MSComm1 = &port;
        State().ComPort = kTestPort;
        port.onWrite = [this](const QByteArray &bytes) { radio.receive(bytes); };
        radio.setOutput([this](const QByteArray &bytes) { port.feed(bytes); });
    }
    void TearDown() override
    {
        State().MSComm1 = nullptr;
        qputenv("TORVA_EXTRA_PORTS", oldExtra_);
        testenv::AppTest::TearDown();
    }

    // The progress window runs its own loop until the transfer ends (bounded).
    void RunProgressWindow()
    {
        script->onModal([](QDialog *d) { return ExecBounded(d); });
    }

    // The radio's log as "KIND address" lines ("READ 0040", "PROGRAM").
    QStringList Frames() const
    {
        QStringList out;
        for (const radiosim::LogEntry &e : radio.log())
            out << (e.address >= 0 ? e.kind + QLatin1Char(' ') + QStringLiteral("%1").arg(e.address, 4, 16, QLatin1Char('0')).toUpper()
                                   : e.kind);
        return out;
    }

    // The texts of the message boxes shown, in order.
    QStringList Messages() const
    {
        QStringList out;
        for (const PromptCall &c : script->messages())
            out << c.text;
        return out;
    }

    FakeSerialPort port;
    radiosim::Radio radio;

private:
    QByteArray oldExtra_;
};

} // namespace linktest
