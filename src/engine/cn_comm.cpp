#include "engine/cn_comm.h"

namespace rb::engine {

namespace {
constexpr int kReaderTimer = 1;  // the frame reader's deadline, a timer of the port object
constexpr int kRetireTimer = 2;  // releases a link that went away
}  // namespace

std::string PortRequest::label() const {
    if (!device.empty()) return device;
    return "COM" + std::to_string(number);
}

CnComm::CnComm(Timers& timers) : timers_(timers) {}

CnComm::~CnComm() {
    timers_.stopAll(this);
    if (link_) {
        link_->setHandlers(nullptr, nullptr);
        link_->close();
    }
}

bool CnComm::Open(unsigned dwPort, int baud) {
    if (dwPort == 0 || dwPort > 1024) {
        lastError_ = "串口号超出范围";
        return false;
    }
    PortRequest r;
    r.number = dwPort;
    r.baud = baud;
    r.family = lastRequest.family;
    return Open(r);
}

bool CnComm::Open(const PortRequest& request) {
    if (IsOpen()) Close();
    lastRequest = request;
    if (request.device.empty() && (request.number == 0 || request.number > 1024)) {
        lastError_ = "串口号超出范围";
        return false;
    }
    if (!opener_) {
        lastError_ = "没有可用的串口";
        return false;
    }
    OpenResult result = opener_(request);
    if (!result.link || !result.link->isOpen()) {
        lastError_ = result.error;
        if (onStateChanged) onStateChanged();
        return false;
    }
    lastError_.clear();
    portNumber = request.number;
    baudRate = request.baud;
    link_ = std::move(result.link);
    reader_.reset();
    link_->setHandlers([this](wire::ByteSpan b) { received(b); },
                       [this](const std::string& reason) { linkLost(reason); });
    if (onStateChanged) onStateChanged();
    return true;
}

void CnComm::Close() {
    if (!link_) return;
    timers_.stop(this, kReaderTimer);
    link_->setHandlers(nullptr, nullptr);
    link_->close();
    link_.reset();
    reader_.reset();
    if (onStateChanged) onStateChanged();
}

bool CnComm::IsOpen() const { return link_ && link_->isOpen(); }

std::size_t CnComm::Write(wire::ByteSpan bytes) {
    if (!IsOpen()) return 0;
    link_->write(bytes);
    return bytes.size();
}

void CnComm::received(wire::ByteSpan bytes) {
    deliver(reader_.feed(bytes, timers_.now()));
    armDeadline();
}

void CnComm::deliver(const std::vector<wire::FrameSlot>& frames) {
    for (const auto& slot : frames) {
        // The receiver may close the port or show a box while it handles a frame; frames that
        // follow still go to whoever is registered then.
        if (hNotifyWnd) hNotifyWnd->OnCommFrame(slot);
    }
}

void CnComm::armDeadline() {
    auto deadline = reader_.deadline();
    if (!deadline) {
        timers_.stop(this, kReaderTimer);
        return;
    }
    Millis wait = *deadline - timers_.now();
    if (wait < Millis{1}) wait = Millis{1};
    timers_.start(this, kReaderTimer, wait, [this] {
        timers_.stop(this, kReaderTimer);
        deliver(reader_.poll(timers_.now()));
        armDeadline();
    });
}

void CnComm::linkLost(const std::string& reason) {
    if (!link_) return;
    lastError_ = reason;
    // Close once. The link reports from inside its own code, so it is not destroyed here: it is
    // kept aside and released on the next turn of the event loop.
    timers_.stop(this, kReaderTimer);
    link_->setHandlers(nullptr, nullptr);
    link_->close();
    retired_ = std::move(link_);
    reader_.reset();
    timers_.start(this, kRetireTimer, Millis{1}, [this] {
        timers_.stop(this, kRetireTimer);
        retired_.reset();
    });
    if (onStateChanged) onStateChanged();
    if (onLost) onLost(reason);
    if (reportLost) reportLost(reason);
}

}  // namespace rb::engine
