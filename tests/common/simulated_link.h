#pragma once
// A simulated radio on the in-process port: what the program writes reaches the radio, and the
// radio's replies arrive at the port from the radio's own timer (never inside the write), through
// the same receive-threshold rule as a real port. Install the port as the radio port for the
// length of a test:
//
//     testenv::SimulatedLink link;          // link.radio: memory, identity, faults, log
//     InstallRadioPort(&link.port);         // and InstallRadioPort(nullptr) at the end
//
// Replies need the event loop: wait with testenv::WaitUntil (common/wait_until.h).

#include "platform/fake_serial_port.h"
#include "radiosim/radio_sim.h"

namespace testenv {

struct SimulatedLink {
    SimulatedLink()
    {
        port.onWrite = [this](const QByteArray &bytes) { radio.receive(bytes); };
        radio.setOutput([this](const QByteArray &bytes) { port.feed(bytes); });
    }
    ~SimulatedLink() { radio.setOutput({}); }
    SimulatedLink(const SimulatedLink &) = delete;
    SimulatedLink &operator=(const SimulatedLink &) = delete;

    FakeSerialPort port;
    radiosim::Radio radio;
};

} // namespace testenv
