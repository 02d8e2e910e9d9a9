#include "monitor/auto_reply.h"

#include <cstdio>

#include "monitor/hex_input.h"

namespace rb::monitor {

namespace {
constexpr int kRunTimer = 1;
}

bool triggersAutoReply(const AutoReplyState& state, std::uint8_t code, const std::string& text) {
    if (!state.autoReplyEnabled) return false;
    if (text.find("接收信息") == std::string::npos) return false;
    if (code == 0x80 || code == 0x81) return false;
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", code);
    return state.autoReplyCode == hex;
}

ReplyRunner::ReplyRunner(engine::Session& session, const AutoReplyState& state)
    : session_(session), state_(state) {}

ReplyRunner::~ReplyRunner() { session_.timers.stopAll(this); }

void ReplyRunner::RunReplyList() {
    if (running_) {
        ++queued_;
        return;
    }
    start();
}

void ReplyRunner::start() {
    list_ = state_.autoReplyList;
    next_ = 0;
    if (list_.empty()) {
        // Nothing to send: the send box is disabled and enabled again at once.
        if (running) running(true);
        if (running) running(false);
        return;
    }
    running_ = true;
    if (running) running(true);
    session_.timers.start(this, kRunTimer, kReplySpacing, [this] { tick(); });
    sendEntry(list_[next_++]);
}

void ReplyRunner::tick() {
    // A warning box of the entry being sent is open (its modal loop runs our timer): the next
    // entry waits, so that frames go out in the order of the list.
    if (sending_) return;
    if (next_ < list_.size()) {
        sendEntry(list_[next_++]);
        return;
    }
    session_.timers.stop(this, kRunTimer);
    running_ = false;
    if (running) running(false);
    if (queued_ > 0) {
        --queued_;
        start();
    }
}

void ReplyRunner::sendEntry(const std::string& entry) {
    sending_ = true;
    const wire::Bytes bytes = pairsToBytes(trimBlanks(entry), session_.prompter);
    sending_ = false;
    session_.theComm.Write(bytes);
    session_.AppendTrace(0, session_.tool.FormatSendTrace(bytes));
}

}  // namespace rb::monitor
