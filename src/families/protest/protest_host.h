// ProTestHost: what a part of the production page (calibration, band table, sweep, device
// checks, identity) may ask of the page it belongs to. The form and the session are the page's
// own; requests, answers, time-out and typed-number checks are the page's engine::Page pieces,
// which only the page may use, so each part reaches them through these few calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/page.h"
#include "wire/frame.h"

namespace rb::families::protest {

class ProTestHost {
public:
    // The page itself: its form, its session, and the owner of the boxes it shows.
    virtual engine::Page& page() = 0;
    // A request with the response timer armed and status part 2 cleared.
    virtual void request(const wire::Bytes& frame) = 0;
    // A request without the response timer, traced after it was written, status left alone;
    // its answer is still the one awaited.
    virtual void requestUntimed(const wire::Bytes& frame) = 0;
    // An answer taken: its success text traced and shown, the response timer stopped.
    virtual void succeeded(const wire::FrameView& answer, const std::string& text) = 0;
    // The whole number in `id` from `min` to `max`, or `message` shown and nothing.
    virtual std::optional<long long> numberIn(int id, long long min, long long max,
                                              const std::string& message) = 0;
    // A box with caption "提示" that stops an action, recorded as a failure; always false.
    virtual bool refuse(const std::string& text, engine::Icon icon) = 0;
    bool refuse(const std::string& text) { return refuse(text, engine::Icon::Information); }
    // The response timer: whether an answer is awaited, and ending the wait for it.
    virtual bool awaitingAnswer() const = 0;
    virtual void stopResponseTimer() = 0;
    virtual void forgetAwaited() = 0;
    // No answer will come for anything sent: every part drops what it remembered of it.
    virtual void forgetSent() = 0;

    engine::FormModel& form() { return page().form(); }
    engine::Session& session() { return page().session(); }

protected:
    ~ProTestHost() = default;
};

}  // namespace rb::families::protest
