// The auto reply: a list of hand-typed frames (`autoReplyList`) that the monitor sends when a
// received frame carries the chosen command code, or when the user presses "运行".
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/session.h"

namespace rb::monitor {

struct AutoReplyState {
    bool autoReplyEnabled = false;
    std::string autoReplyCode;               // two lower-case hexadecimal digits, e.g. "96"
    std::vector<std::string> autoReplyList;  // frames as hexadecimal text
};

// Does a trace text start the reply run? Only when the reply is on, the text is the trace of a
// received frame, the code written "%02x" equals the chosen code exactly ("96", never "0x96"
// or "9A"), and the code is not an acknowledgement (0x80, 0x81).
bool triggersAutoReply(const AutoReplyState& state, std::uint8_t code, const std::string& text);

inline constexpr engine::Millis kReplySpacing{100};

// Sends every entry of the reply list, 100 ms apart, on the session's timers: the first at
// once, each next one when its time has come, without ever holding up the caller. While a run
// is on, `running(true)` has been called (the monitor disables its send box); `running(false)`
// follows 100 ms after the last entry. A run asked for while one is on starts when it ends,
// with the list as it is then.
class ReplyRunner {
public:
    ReplyRunner(engine::Session& session, const AutoReplyState& state);
    ~ReplyRunner();
    ReplyRunner(const ReplyRunner&) = delete;
    ReplyRunner& operator=(const ReplyRunner&) = delete;

    void RunReplyList();
    bool isRunning() const { return running_; }
    int queuedRuns() const { return queued_; }

    std::function<void(bool running)> running;

private:
    void start();
    void tick();
    void sendEntry(const std::string& entry);

    engine::Session& session_;
    const AutoReplyState& state_;
    std::vector<std::string> list_;  // the list of the current run
    std::size_t next_ = 0;
    bool running_ = false;
    bool sending_ = false;  // an entry is being converted (its warning box may be open)
    int queued_ = 0;
};

}  // namespace rb::monitor
