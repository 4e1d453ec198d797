#pragma once
// A transfer against the simulated radio, in process: the program's serial port is a fake whose
// writes reach the radio and whose input is the radio's output, both through the event loop.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QStringList>
#include <QThread>
#include <QTimer>
#include <functional>

#include "common/test_env.h"
#include "common/wait_until.h"
#include "data/app_state.h"
#include "link/radio_link.h"
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

// The radio's log as "KIND address" lines ("READ 0040", "PROGRAM").
inline QStringList FrameList(const radiosim::Radio &radio)
{
    QStringList out;
    for (const radiosim::LogEntry &e : radio.log())
        out << (e.address >= 0 ? e.kind + QLatin1Char(' ') + QStringLiteral("%1").arg(e.address, 4, 16, QLatin1Char('0')).toUpper()
                               : e.kind);
    return out;
}

// The texts of the message boxes shown, in order.
inline QStringList MessageTexts(const ScriptedPrompt &script)
{
    QStringList out;
    for (const PromptCall &c : script.messages())
        out << c.text;
    return out;
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

    QStringList Frames() const { return FrameList(radio); }
    QStringList Messages() const { return MessageTexts(*script); }

    // Fills the radio's memory with a pattern that differs from block to block, keeping the usage
    // bitmaps (nothing in use) and the password bytes (none).
    void FillRadioPattern()
    {
        for (int a = 0x0010; a < radiosim::kMemorySize; ++a) {
            const bool bitmap = (a >= 0x0100 && a <= 0x013F) || (a >= 0x0260 && a <= 0x026F) ||
                                (a >= 0x0380 && a <= 0x039F) || (a >= 0x004C && a <= 0x004F);
            if (!bitmap)
                radio.memory[a] = static_cast<char>((a * 7 + a / 256 + 3) & 0xFF);
        }
    }
    // Marks an entry in use in one of the radio's usage bitmaps (a clear bit means in use).
    void UseEntry(int bitmap, int index)
    {
        radio.memory[bitmap + index / 8] = static_cast<char>(static_cast<uint8_t>(radio.memory[bitmap + index / 8]) & ~(1u << (index % 8)));
    }
    void UseChannel(int number) { UseEntry(0x0100, number - 1); }

    // The blocks a read requests after the password step, by the rule for the radio's bitmaps:
    // every block from 0x0010 to 0x0390, then from 0x03A0 to 0x3900 all but those of unused
    // channels, unused groups of four FM-radio entries, unused 2-tone entries and 5-tone rows.
    QStringList ExpectedReadWalk() const
    {
        const auto unused = [this](int bitmap, int index) {
            return (static_cast<uint8_t>(radio.memory[bitmap + index / 8]) >> (index % 8)) & 1;
        };
        QStringList walk;
        for (int a = 0x0010; a <= 0x3900; a += 16) {
            bool skip = false;
            if (a >= 0x03A0) {
                if (a >= 0x0610 && a < 0x0610 + 400) {
                    const int first = (a - 0x0610) / 4;
                    skip = unused(0x0260, first) && unused(0x0260, first + 1) && unused(0x0260, first + 2) &&
                           unused(0x0260, first + 3);
                } else if (a >= 0x0B00 && a < 0x0D00) {
                    skip = unused(0x0380, (a - 0x0B00) / 16);
                } else if (a >= 0x0D00 && a < 0x1980) {
                    skip = unused(0x0390, (a - 0x0D00) / 32);
                } else if (a >= 0x2000 && a < 0x3900) {
                    skip = unused(0x0100, (a - 0x2000) / 32);
                }
            }
            if (!skip)
                walk << QStringLiteral("READ %1").arg(a, 4, 16, QLatin1Char('0')).toUpper();
        }
        return walk;
    }

    // Waits until no transfer runs (bounded).
    bool WaitIdle(int timeoutMs = 20000)
    {
        return testenv::WaitUntil([] { return State().CurOperation == OpIdle; }, timeoutMs);
    }

    // Runs until no transfer runs, with every reply time-out brought forward: as soon as the line
    // is quiet (the radio has nothing left to send and every event is handled) while the reply
    // timer waits, its time-out happens at once instead of 300 ms later. What happens, and in
    // which order, is what the real timer gives, without the waiting; for the searches that go
    // through dozens of time-outs. Returns false when the transfer has not ended (bounded).
    bool RunWithTimeoutsAtOnce(int *timeouts = nullptr)
    {
        int count = 0;
        QDeadlineTimer deadline(60000);
        while (State().CurOperation != OpIdle) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (radio.busy()) {
                QThread::usleep(100);
                continue;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (State().CurOperation != OpIdle && !radio.busy() && Link().WaitTimer.isActive()) {
                Link().WaitTimer.stop();
                ++count;
                Link().WaitTimer_Timer();
            }
        }
        if (timeouts)
            *timeouts = count;
        return true;
    }

    FakeSerialPort port;
    radiosim::Radio radio;

private:
    QByteArray oldExtra_;
};

} // namespace linktest
