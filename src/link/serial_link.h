// The real serial port: a QSerialPort at 8 data bits, no parity, one stop bit, no flow control.
//
// Nothing blocks and no thread is needed at these speeds: write() hands the bytes to the port's
// own transmit buffer (in order, sent as the device takes them) and returns; received bytes are
// delivered from the event loop as they come. A device that goes away (adapter unplugged, pty
// peer closed) closes the port once and reports lost() once.
#pragma once

#include <QMetaObject>
#include <QSerialPort>
#include <memory>
#include <string>

#include "engine/link.h"

namespace rb::link {

class SerialLink : public engine::Link {
public:
    // Opens a device path ("/dev/ttyUSB0", "COM3") at `baud`. A device that opens but will not
    // take the settings is closed again and counts as not opened. On failure the result carries
    // no link and a reason for the user.
    static engine::OpenResult open(const std::string& device, int baud);
    // A numbered port (1..1024, see portDeviceName) or the request's device path.
    static engine::OpenResult open(const engine::PortRequest& request);

    ~SerialLink() override;
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    bool isOpen() const override;
    void write(wire::ByteSpan bytes) override;
    void close() override;

    const std::string& device() const { return device_; }

private:
    // Deletes the port from the event loop: a receiver may destroy the link while the port is
    // still inside one of its own signals.
    struct LaterDeleter {
        void operator()(QSerialPort* port) const;
    };

    SerialLink(std::unique_ptr<QSerialPort, LaterDeleter> port, std::string device);
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);
    void shutPort();

    std::unique_ptr<QSerialPort, LaterDeleter> port_;
    std::string device_;
    bool open_ = true;
    QMetaObject::Connection readConnection_;
    QMetaObject::Connection errorConnection_;
};

}  // namespace rb::link
