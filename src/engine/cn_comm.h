// CnComm: the one port object of the program (the session's `theComm`). It opens a link,
// cuts the bytes it receives into frames with the wire layer's FrameReader (its deadline runs
// on the session's timers) and hands each frame slot to the registered receiver. Writes are
// queued by the link and never block the caller.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/link.h"
#include "engine/timers.h"
#include "wire/frame_reader.h"

namespace rb::engine {

// The window that receives frames (a container or the production-test page).
class FrameReceiver {
public:
    virtual ~FrameReceiver() = default;
    virtual void OnCommFrame(const wire::FrameSlot& slot) = 0;
};

class CnComm {
public:
    explicit CnComm(Timers& timers);
    ~CnComm();
    CnComm(const CnComm&) = delete;
    CnComm& operator=(const CnComm&) = delete;

    void setOpener(LinkOpener opener) { opener_ = std::move(opener); }

    // Port number 1..1024; 0 and anything above 1024 are refused without touching a device.
    bool Open(unsigned dwPort, int baud);
    // A device path or "sim"; `family` picks the built-in simulator's terminal.
    bool Open(const PortRequest& request);
    void Close();
    bool IsOpen() const;
    // Queues a frame for sending; 0 when the port is closed (the caller's timer then reports).
    std::size_t Write(wire::ByteSpan bytes);
    void SetWnd(FrameReceiver* receiver) { hNotifyWnd = receiver; }
    FrameReceiver* receiver() const { return hNotifyWnd; }

    unsigned portNumber = 0;  // of the last numbered open
    int baudRate = 9600;
    PortRequest lastRequest;
    const std::string& lastError() const { return lastError_; }

    // Called after the port opened, closed or was lost (refresh buttons and status part 0).
    std::function<void()> onStateChanged;
    // Called when the device went away while open, with the reason.
    std::function<void(const std::string&)> onLost;
    // Told after onLost: the session turns it into a chain event.
    std::function<void(const std::string&)> reportLost;

private:
    void received(wire::ByteSpan bytes);
    void deliver(const std::vector<wire::FrameSlot>& frames);
    void armDeadline();
    void linkLost(const std::string& reason);

    FrameReceiver* hNotifyWnd = nullptr;
    Timers& timers_;
    LinkOpener opener_;
    std::unique_ptr<Link> link_;
    std::unique_ptr<Link> retired_;  // a lost link, released on the next timer turn
    wire::FrameReader reader_;
    std::string lastError_;
};

}  // namespace rb::engine
