// How the base pages of both 0xEA families take their answers: each answer code routed to its
// handler, the write chain moved on by the acknowledgement that echoes the step written last,
// and the fields both decode alike (the station type and the alarm binding).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/form_model.h"
#include "wire/ea_payload.h"
#include "wire/frame.h"

namespace rb::families::eapages {

// An answer code and the page's handler for it.
template <class Page>
struct AnswerRoute {
    std::uint8_t code;
    void (Page::*handler)(const wire::FrameView&);
};

// Hands the frame to the handler of its code; a code no route names is left alone.
template <class Page, std::size_t N>
void routeAnswer(Page& page, const wire::FrameView& f, const AnswerRoute<Page> (&routes)[N]) {
    for (const AnswerRoute<Page>& r : routes) {
        if (r.code != f.code()) continue;
        (page.*r.handler)(f);
        return;
    }
}

// A step of a write chain: the command its acknowledgement echoes, the success text, and the
// step written next (none after the last).
template <class Page>
struct WriteStep {
    std::uint8_t echo;
    const char* text;
    bool (Page::*next)();
};

// The step an acknowledgement echoes; nothing when it echoes none of them.
template <class Page, std::size_t N>
const WriteStep<Page>* stepEchoed(const WriteStep<Page> (&steps)[N], std::uint8_t echo) {
    for (const WriteStep<Page>& s : steps)
        if (s.echo == echo) return &s;
    return nullptr;
}

// 电台类型: the code a radio index sends (0x00 for an index outside the table), and the radio a
// code shows (a code the table does not hold shows the radio of 0x00).
inline std::uint8_t stationCode(const std::array<std::uint8_t, 4>& codes, int index) {
    return index >= 0 && index < 4 ? codes[std::size_t(index)] : 0x00;
}
int stationRadio(const std::array<std::uint8_t, 4>& codes, std::uint8_t code);

// The alarm binding at payload offset `typeAt`: type 0x55 is an identity (three bytes from
// typeAt + 2), anything else the telephone number `phoneText` decoded from the same place.
void showAlarmBinding(engine::FormModel& f, const wire::EaPayload& p, std::size_t typeAt,
                      int byIdentityGroup, int numberId, const std::string& phoneText);

}  // namespace rb::families::eapages
