#pragma once
// An in-process serial port for tests: what the program writes is recorded and handed to onWrite
// (for example a simulated radio); bytes the other end sends are given to feed(), in any pieces,
// and reach the program through the same receive-threshold rule as a real port.

#include <QList>
#include <functional>

#include "platform/serial_port.h"

class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit FakeSerialPort(QObject *parent = nullptr) : SerialPort(parent) {}

    // Bytes arriving from the other end (ignored while the port is closed).
    void feed(const QByteArray &bytes) { deliver(bytes); }
    // The device goes away, as an unplugged adapter does: the port closes and raises lost().
    void loseDevice() { deviceLost(); }

    // Called with every write while the port is open.
    std::function<void(const QByteArray &)> onWrite;
    // Every write, in order.
    QList<QByteArray> writes;
    // Every successful open's device path, in order.
    QList<QString> opens;
    int closeCount = 0;
    int inputClears = 0;
    int outputClears = 0;

    // Make the next opens fail with this error (None: opens succeed).
    PortOpenError openFailure = PortOpenError::None;
    // Make writes fail.
    bool failWrites = false;

protected:
    bool openDevice(const QString &path, const PortSettings &settings, PortOpenError &error,
                    QString &text) override;
    void closeDevice() override { ++closeCount; }
    bool writeDevice(const QByteArray &bytes) override;
    void clearDeviceInput() override { ++inputClears; }
    void clearDeviceOutput() override { ++outputClears; }
};
