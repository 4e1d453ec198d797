#pragma once
// The serial control that reaches the radio. One interface with two backends: SystemSerialPort on
// QSerialPort for real devices and FakeSerialPort (fake_serial_port.h) for tests.
//
// The receive event works like the control the link protocol was designed for: bytes that arrive
// collect in one receive buffer, whatever pieces the driver delivers them in, and received() is
// raised once at least receiveThreshold() bytes are waiting (never while the threshold is 0). The
// handler takes the whole buffer with input(). A handler that leaves the bytes waiting gets the
// event again with the next bytes that arrive.

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

// Why an open failed; the messages tell the user which of these it was.
enum class PortOpenError {
    None,
    NotFound,     // no such device (or no device path for the port number)
    NoPermission, // the user may not open the device
    Busy,         // another program holds the device
    BadSetting,   // the device refused a line setting
    Other,
    Lost,         // the open device failed later (a write refused, a driver error, unplugged)
};

// Line settings. The radio link always uses the defaults: 9600 baud, 8 data bits, no parity,
// one stop bit, no handshaking.
struct PortSettings {
    int baudRate = 9600;
    int dataBits = 8;
    int stopBits = 1;    // 1 or 2
    int handshaking = 0; // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 RTS/CTS and XON/XOFF
};

class SerialPort : public QObject {
    Q_OBJECT
public:
    explicit SerialPort(QObject *parent = nullptr) : QObject(parent) {}
    ~SerialPort() override = default;

    // Opens a device by its path (closing first when open). False with lastOpenError() set.
    bool open(const QString &devicePath, const PortSettings &settings = PortSettings());
    // Opens port number n of "COMn" through the port numbering (serial_port_list.h).
    bool openPort(int portNumber, const PortSettings &settings = PortSettings());
    void close();
    bool isOpen() const { return open_; }
    QString devicePath() const { return path_; }
    PortSettings settings() const { return settings_; }

    // Output: queues every byte for sending. False when the port is closed or the write fails; a
    // failed write means the device failed, so the port closes and raises lost().
    bool write(const QByteArray &bytes);
    // Input: takes every byte waiting in the receive buffer.
    QByteArray input();
    // Bytes waiting in the receive buffer.
    int inBufferCount() const { return static_cast<int>(inbox_.size()); }
    // Empty the receive buffer (driver buffer included) and the transmit buffer.
    void clearInput();
    void clearOutput();

    // Bytes that must be waiting before received() is raised; 0 switches the event off.
    void setReceiveThreshold(int bytes) { threshold_ = bytes < 0 ? 0 : bytes; }
    int receiveThreshold() const { return threshold_; }

    PortOpenError lastOpenError() const { return lastError_; }
    QString lastErrorText() const { return lastErrorText_; }

signals:
    // The receive event: at least receiveThreshold() bytes are waiting.
    void received();
    // The open device failed (unplugged, an error from the driver); the port has been closed.
    void lost();

protected:
    // Backends: open the device; on failure set error and text.
    virtual bool openDevice(const QString &path, const PortSettings &settings, PortOpenError &error,
                            QString &text) = 0;
    virtual void closeDevice() = 0;
    virtual bool writeDevice(const QByteArray &bytes) = 0;
    virtual void clearDeviceInput() {}
    virtual void clearDeviceOutput() {}
    // Backends hand every piece of bytes that arrives to this.
    void deliver(const QByteArray &bytes);
    // A backend whose device went away (unplugged) or failed closes the port through this, which
    // sets lastOpenError() to Lost and raises lost().
    void deviceLost();

private:
    QByteArray inbox_;
    QString path_;
    PortSettings settings_;
    PortOpenError lastError_ = PortOpenError::None;
    QString lastErrorText_;
    int threshold_ = 0;
    bool open_ = false;
};

// Asks the driver of an open serial device (a file descriptor) for low-latency mode, which USB
// serial adapters offer: without it they hold each short reply for their latency timer (often
// 16 ms), about 15 s over a full read. True when the mode is on; false, with nothing changed,
// for a device without the setting (a pseudo-terminal), a driver that refuses it or a system
// that has none. SystemSerialPort asks on every open and goes on either way.
bool RequestLowLatency(int fd);

// The backend on QSerialPort, for real serial devices and pseudo-terminals.
class SystemSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit SystemSerialPort(QObject *parent = nullptr);
    ~SystemSerialPort() override;

protected:
    bool openDevice(const QString &path, const PortSettings &settings, PortOpenError &error,
                    QString &text) override;
    void closeDevice() override;
    bool writeDevice(const QByteArray &bytes) override;
    void clearDeviceInput() override;
    void clearDeviceOutput() override;

private:
    QSerialPort *port_ = nullptr;
};
