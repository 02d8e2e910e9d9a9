// The page base of the 0xEA families: the boxes with the caption and icon each message needs,
// the success report of answers that must not touch timer 1, the strict number check and the
// command sent at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/page.h"
#include "wire/codecs.h"
#include "wire/frame.h"

namespace rb::families::eapages {

class EaPage : public engine::Page {
public:
    using engine::Page::Page;

protected:
    // A message box counted like Page::showMessage. Returns false, so a check can `return box()`.
    bool box(const std::string& text, const std::string& caption, engine::Icon icon) {
        session().events.messageShown(text);
        session().prompter.message(
            engine::MessageBox{text, caption, icon, engine::Buttons::Ok, this});
        return false;
    }
    // Validation messages: caption "提示", OK only, no icon.
    bool plainBox(const std::string& text) {
        return box(text, engine::kInfoCaption, engine::Icon::None);
    }
    // The identity and frequency checks: the application's title and the information icon.
    bool titledBox(const std::string& text) {
        return box(text, engine::kAppTitle, engine::Icon::Information);
    }
    // Trace "\r\n" + text + "!" (unless told not to) and status part 2, timer 1 left as it is.
    void report(std::uint8_t code, const std::string& text, bool trace = true) {
        if (trace) session().AppendTrace(code, "\r\n" + text + "!");
        session().statusBar.SetText(2, text);
        session().events.succeeded(text);
    }
    // The whole decimal number a text holds when it lies in [min, max]; nothing for an empty
    // text, one that is no number ("12abc", "１２") or one outside the range.
    static std::optional<long long> whole(const std::string& text, long long min, long long max) {
        const auto v = wire::parseWhole(text);
        if (v && *v >= min && *v <= max) return v;
        return std::nullopt;
    }
    // Stops timer 1 the way an answer does.
    void stopResponseTimer() { stopTimer(engine::kResponseTimer); }
    // A command sent at once: no response timer; status part 2 cleared unless told otherwise.
    void command(const wire::Bytes& frame, bool clearStatus = true, bool background = false) {
        beginRequest();
        send(frame, SendOptions{false, clearStatus, background});
    }
};

}  // namespace rb::families::eapages
