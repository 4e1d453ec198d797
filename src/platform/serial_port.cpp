#include "platform/serial_port.h"

#include <QFileInfo>
#include <QFile>
#include <QSerialPort>
#include <unistd.h>
#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

#include "platform/serial_port_list.h"

bool SerialPort::open(const QString &devicePath, const PortSettings &settings)
{
    close();
    lastError_ = PortOpenError::None;
    lastErrorText_.clear();
    path_ = devicePath;
    settings_ = settings;
    if (devicePath.isEmpty()) {
        lastError_ = PortOpenError::NotFound;
        lastErrorText_ = QStringLiteral("no device for this port");
        return false;
    }
    PortOpenError error = PortOpenError::Other;
    QString text;
    if (!openDevice(devicePath, settings, error, text)) {
        lastError_ = error;
        lastErrorText_ = text;
        return false;
    }
    inbox_.clear();
    open_ = true;
    return true;
}

bool SerialPort::openPort(int portNumber, const PortSettings &settings)
{
    return open(portNumber > 0 ? DevicePathOfPort(portNumber) : QString(), settings);
}

void SerialPort::close()
{
    if (open_)
        closeDevice();
    open_ = false;
    inbox_.clear();
}

bool SerialPort::write(const QByteArray &bytes)
{
    if (!open_)
        return false;
    if (writeDevice(bytes))
        return true;
    deviceLost();
    return false;
}

QByteArray SerialPort::input()
{
    QByteArray taken;
    taken.swap(inbox_);
    return taken;
}

void SerialPort::clearInput()
{
    if (open_)
        clearDeviceInput();
    inbox_.clear();
}

void SerialPort::clearOutput()
{
    if (open_)
        clearDeviceOutput();
}

void SerialPort::deliver(const QByteArray &bytes)
{
    if (!open_ || bytes.isEmpty())
        return;
    inbox_.append(bytes);
    if (threshold_ > 0 && inbox_.size() >= threshold_)
        emit received();
}

void SerialPort::deviceLost()
{
    if (!open_)
        return;
    close();
    lastError_ = PortOpenError::Lost;
    lastErrorText_ = QStringLiteral("%1: the device failed").arg(path_);
    emit lost();
}

bool RequestLowLatency(int fd)
{
#ifdef __linux__
    if (fd < 0)
        return false;
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return false;
    if (serial.flags & ASYNC_LOW_LATENCY)
        return true;
    serial.flags |= ASYNC_LOW_LATENCY;
    return ::ioctl(fd, TIOCSSERIAL, &serial) == 0;
#else
    (void)fd;
    return false;
#endif
}

// ---------------------------------------------------------------------------------------------

SystemSerialPort::SystemSerialPort(QObject *parent) : SerialPort(parent), port_(new QSerialPort(this))
{
    connect(port_, &QSerialPort::readyRead, this, [this] {
        // The handler of received() may close the port or reopen it; read first, then hand over.
        const QByteArray bytes = port_->readAll();
        deliver(bytes);
    });
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // An unplugged adapter shows as a resource error, a failing one as a read or write error:
        // nothing sent later could arrive.
        const bool fatal = e == QSerialPort::ResourceError || e == QSerialPort::WriteError || e == QSerialPort::ReadError;
        if (fatal && port_->isOpen()) {
            port_->clearError();
            deviceLost();
        }
    });
}

SystemSerialPort::~SystemSerialPort()
{
    if (port_->isOpen())
        port_->close();
}

bool SystemSerialPort::openDevice(const QString &path, const PortSettings &settings, PortOpenError &error,
                                  QString &text)
{
    if (port_->isOpen())
        port_->close();
    const QFileInfo info(path);
    if (!info.exists()) {
        error = PortOpenError::NotFound;
        text = QStringLiteral("%1: no such device").arg(path);
        return false;
    }
    // QSerialPort reports a device that another program holds as a permission error too; asking the
    // system first tells the two apart.
    if (::access(QFile::encodeName(path).constData(), R_OK | W_OK) != 0) {
        error = PortOpenError::NoPermission;
        text = QStringLiteral("%1: permission denied").arg(path);
        return false;
    }
    port_->setPortName(path);
    if (!port_->open(QIODevice::ReadWrite)) {
        switch (port_->error()) {
        case QSerialPort::DeviceNotFoundError: error = PortOpenError::NotFound; break;
        case QSerialPort::PermissionError: error = PortOpenError::Busy; break;
        default: error = PortOpenError::Other; break;
        }
        text = QStringLiteral("%1: %2").arg(path, port_->errorString());
        port_->clearError();
        return false;
    }
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    if (settings.handshaking == 1)
        flow = QSerialPort::SoftwareControl;
    else if (settings.handshaking >= 2)
        flow = QSerialPort::HardwareControl; // RTS/CTS; Qt has no combined mode
    const bool ok = port_->setBaudRate(settings.baudRate) &&
                    port_->setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
                    port_->setParity(QSerialPort::NoParity) &&
                    port_->setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
                    port_->setFlowControl(flow);
    if (!ok) {
        error = PortOpenError::BadSetting;
        text = QStringLiteral("%1: %2").arg(path, port_->errorString());
        port_->close();
        port_->clearError();
        return false;
    }
    RequestLowLatency(static_cast<int>(port_->handle()));
    port_->clear(QSerialPort::AllDirections);
    return true;
}

void SystemSerialPort::closeDevice()
{
    if (port_->isOpen())
        port_->close();
}

bool SystemSerialPort::writeDevice(const QByteArray &bytes)
{
    if (!port_->isOpen())
        return false;
    if (port_->write(bytes) != bytes.size())
        return false;
    port_->flush();
    return true;
}

void SystemSerialPort::clearDeviceInput()
{
    if (!port_->isOpen())
        return;
    port_->clear(QSerialPort::Input);
    port_->readAll(); // anything Qt had buffered already
}

void SystemSerialPort::clearDeviceOutput()
{
    if (port_->isOpen())
        port_->clear(QSerialPort::Output);
}
