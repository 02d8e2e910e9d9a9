#include "link/serial_link.h"

#include <QByteArray>
#include <QString>

#include "link/port_names.h"

#ifndef Q_OS_WIN
#include <unistd.h>

#include <cerrno>
#endif

namespace rb::link {

namespace {

using engine::OpenResult;

OpenResult failed(std::string reason) {
    OpenResult result;
    result.error = std::move(reason);
    return result;
}

// The path the device has on this system ("ttyUSB0" is opened as "/dev/ttyUSB0").
std::string systemPath(const std::string& device) {
#ifdef Q_OS_WIN
    return device;
#else
    return device.empty() || device.front() == '/' ? device : "/dev/" + device;
#endif
}

// Whether the user lacks the rights on an existing device (as opposed to another program
// holding it, which the port reports as the same error).
bool permissionDenied(const std::string& device) {
#ifdef Q_OS_WIN
    (void)device;
    return false;  // "access denied" on Windows means another program has the port
#else
    const std::string path = systemPath(device);
    return ::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), R_OK | W_OK) != 0 &&
           errno == EACCES;
#endif
}

std::string openFailure(const QSerialPort& port, const std::string& device) {
    switch (port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return "串口不存在: " + device + " (no such device)";
        case QSerialPort::PermissionError:
            if (permissionDenied(device)) {
                return "没有权限打开串口 " + device +
                       ",请将当前用户加入 dialout 组并重新登录 (permission denied: add the user to "
                       "the dialout group and log in again)";
            }
            return "串口 " + device + " 已被其他程序占用 (port in use)";
        default:
            return "串口 " + device +
                   " 打开失败 (cannot open: " + port.errorString().toStdString() + ")";
    }
}

// 8 data bits, no parity, one stop bit, no flow control at `baud`; false if the device
// refuses any of it.
bool configure(QSerialPort& port, int baud) {
    return port.setBaudRate(baud) && port.setDataBits(QSerialPort::Data8) &&
           port.setParity(QSerialPort::NoParity) && port.setStopBits(QSerialPort::OneStop) &&
           port.setFlowControl(QSerialPort::NoFlowControl);
}

// Errors after which the device is of no more use. ReadError comes in a flood while a pty's
// other side is closed; a write that fails means nothing reaches the terminal any more.
bool deviceGone(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::ResourceError:
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::PermissionError:
            return true;
        default:
            return false;  // time-outs and unsupported operations leave the line usable
    }
}

}  // namespace

void SerialLink::LaterDeleter::operator()(QSerialPort* port) const {
    if (port) port->deleteLater();
}

OpenResult SerialLink::open(const engine::PortRequest& request) {
    if (!request.device.empty()) return open(request.device, request.baud);
    const std::string device = portDeviceName(request.number);
    if (device.empty()) return failed("串口号超出范围 (port number out of range)");
    return open(device, request.baud);
}

OpenResult SerialLink::open(const std::string& device, int baud) {
    if (device.empty()) return failed("未指定串口 (no port given)");
    if (baud <= 0) return failed("串口速率无效 (bad baud rate)");

    std::unique_ptr<QSerialPort, LaterDeleter> port(new QSerialPort);
    port->setPortName(QString::fromStdString(device));
    if (!port->open(QIODevice::ReadWrite)) return failed(openFailure(*port, device));
    // A port at an unknown speed is worse than no port: the user is asked to work offline.
    if (!configure(*port, baud)) {
        std::string reason = "串口 " + device + " 无法设置为 " + std::to_string(baud) +
                             ",N,8,1 (cannot configure: " + port->errorString().toStdString() + ")";
        port->close();
        return failed(std::move(reason));
    }
    port->clear(QSerialPort::AllDirections);  // nothing left over from an earlier user

    OpenResult result;
    result.link.reset(new SerialLink(std::move(port), device));
    return result;
}

SerialLink::SerialLink(std::unique_ptr<QSerialPort, LaterDeleter> port, std::string device)
    : port_(std::move(port)), device_(std::move(device)) {
    readConnection_ = QObject::connect(port_.get(), &QSerialPort::readyRead, port_.get(),
                                       [this] { onReadyRead(); });
    errorConnection_ = QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(),
                                        [this](QSerialPort::SerialPortError e) { onError(e); });
}

SerialLink::~SerialLink() { shutPort(); }

bool SerialLink::isOpen() const { return open_ && port_->isOpen(); }

void SerialLink::write(wire::ByteSpan bytes) {
    if (!isOpen() || bytes.empty()) return;
    // QSerialPort copies the bytes into its transmit buffer and sends them from the event loop
    // as the device takes them, in order.
    port_->write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

void SerialLink::close() { shutPort(); }

void SerialLink::shutPort() {
    open_ = false;
    QObject::disconnect(readConnection_);
    QObject::disconnect(errorConnection_);
    if (port_->isOpen()) port_->close();
}

void SerialLink::onReadyRead() {
    if (!open_) return;
    const QByteArray data = port_->readAll();
    if (data.isEmpty()) return;
    // Last statement: the receiver may close or destroy this link while it handles the bytes.
    deliver(wire::ByteSpan(reinterpret_cast<const std::uint8_t*>(data.constData()),
                           std::size_t(data.size())));
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    if (!open_ || !deviceGone(error)) return;
    const std::string reason =
        "串口已断开: " + device_ + " (device lost: " + port_->errorString().toStdString() + ")";
    // Closing stops the notifier that raised the error, so no second report can follow.
    shutPort();
    lost(reason);  // last: the receiver may destroy this link
}

}  // namespace rb::link
