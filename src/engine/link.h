// A byte transport under the port object: the real serial port, the in-process simulated
// terminal, or a test double. Links live in the link layer; the engine only sees this interface.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "wire/frame.h"

namespace rb::engine {

class Link {
public:
    using BytesHandler = std::function<void(wire::ByteSpan)>;
    using LostHandler = std::function<void(const std::string& reason)>;

    virtual ~Link() = default;
    virtual bool isOpen() const = 0;
    // Queues the bytes for sending and returns at once; the caller may reuse its buffer.
    virtual void write(wire::ByteSpan bytes) = 0;
    virtual void close() = 0;

    // Received bytes, on the thread that runs the pages; and the device going away.
    void setHandlers(BytesHandler onBytes, LostHandler onLost) {
        onBytes_ = std::move(onBytes);
        onLost_ = std::move(onLost);
    }

protected:
    void deliver(wire::ByteSpan bytes) {
        if (onBytes_) onBytes_(bytes);
    }
    void lost(const std::string& reason) {
        if (onLost_) onLost_(reason);
    }

private:
    BytesHandler onBytes_;
    LostHandler onLost_;
};

// What is asked to be opened: a port number (COMn), a device path, or the built-in simulator.
struct PortRequest {
    unsigned number = 0;  // 1..1024 when a numbered port is asked for
    std::string device;   // a device path ("/dev/ttyUSB0") or "sim"
    int baud = 9600;
    std::string family;  // terminal family showing, for the built-in simulator

    bool isSimulator() const { return device == "sim"; }
    // "COM3", "/dev/ttyUSB0" or "sim": how the port is named to the user.
    std::string label() const;
};

struct OpenResult {
    std::unique_ptr<Link> link;  // null when the port could not be opened
    std::string error;           // why not, in words for the user
};

using LinkOpener = std::function<OpenResult(const PortRequest&)>;

}  // namespace rb::engine
