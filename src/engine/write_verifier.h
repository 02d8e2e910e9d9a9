// WriteVerifier: "写后校验" in the window. While it is on, a write started by one of a page's
// write buttons is followed until the page is idle again; then the page's form is kept, the
// matching read chain runs and, when it has ended, every value is compared with what was
// written (write_verify.h).
//
//  - Every field read back as written: status part 2 = "写后校验通过".
//  - Differences: one box lists them by field label with the written and the read value; the
//    written values are put back into the form, so the user's input is not lost.
//  - The write or the read failed (a time-out, a validation message): the page has already
//    said so; nothing is compared. After a failed read the written values are put back.
//
// When a page is idle: page_idle.h. Nothing waits: a short timer looks at the page.
#pragma once

#include <string>
#include <vector>

#include "engine/page_idle.h"
#include "engine/session.h"
#include "engine/write_verify.h"

namespace rb::engine {

inline constexpr const char* kVerifyPassed = "写后校验通过";
inline constexpr const char* kVerifyFailedHeading = "写后校验发现不一致:";

class WriteVerifier {
public:
    static constexpr Millis kPoll{20};
    static constexpr Millis kSilentEnd = PageIdle::kSilentEnd;

    explicit WriteVerifier(Session& session);
    ~WriteVerifier();
    WriteVerifier(const WriteVerifier&) = delete;
    WriteVerifier& operator=(const WriteVerifier&) = delete;

    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    // A write or its read-back is being followed.
    bool busy() const { return state_ != State::Idle; }
    // What the latest verification found (empty after a clean one).
    const std::vector<FieldDifference>& lastDifferences() const { return differences_; }

    // The box text for a list of differences.
    static std::string boxText(const std::vector<FieldDifference>& differences);

private:
    enum class State { Idle, Writing, Reading };

    void clicked(Page& page, int id, bool done);
    void poll();
    void finish();
    void stop();

    Session& session_;
    bool enabled_ = false;
    State state_ = State::Idle;
    Page* page_ = nullptr;
    std::size_t chain_ = 0;
    FailureMark atClick_;
    FailureMark atStart_;
    PageIdle idle_;
    FormSnapshot written_;
    std::vector<FieldDifference> differences_;
};

}  // namespace rb::engine
