// Every LM52R answer frame, as the simulated terminal sends it, with the page that handles it:
// the material of the frame-reader and answer-decoding benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/lm52r_terminal.h"
#include "wire/frame.h"

namespace rb::bench {

struct Lm52rAnswer {
    std::uint8_t code;  // the answer's command code
    int page;           // requestPage of the page it goes to (0 base, 1 user, 2 train)
    std::string name;   // "0x17_base"
    wire::Bytes frame;
};

inline std::vector<Lm52rAnswer> lm52rAnswers() {
    sim::Lm52rTerminal terminal;
    auto ask = [&terminal](const wire::Bytes& request) {
        const auto answers = terminal.answer(wire::FrameView(request));
        return answers.empty() ? wire::Bytes{} : answers.front();
    };
    struct Read {
        std::uint8_t code;
        wire::Bytes payload;
        std::uint8_t writeCode;  // 0: no write of this group
        int page;
    };
    // Each group is read, then written back with the payload it was read with, so the
    // acknowledgements are real ones too.
    const Read reads[] = {
        {0x99, {0x00, 0x01}, 0, 0},    {0x22, {}, 0x20, 0},           {0x16, {0x00, 0x01}, 0x14, 0},
        {0x1E, {0x00, 0x01}, 0x1C, 0}, {0x3E, {0x00, 0x01}, 0x3C, 0}, {0x52, {}, 0x50, 1},
        {0x2A, {}, 0x28, 1},           {0x2E, {}, 0x2C, 1},           {0x32, {0x00, 0x01}, 0x30, 2},
    };
    const char* pageNames[] = {"base", "user", "train"};
    auto name = [&pageNames](std::uint8_t code, int page) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "0x%02X_%s", code, pageNames[page]);
        return std::string(buf);
    };
    std::vector<Lm52rAnswer> out;
    for (const Read& r : reads) {
        wire::Bytes answer = ask(wire::frame96(r.code, r.payload));
        if (answer.empty()) continue;
        out.push_back({answer[3], r.page, name(answer[3], r.page), answer});
        if (r.writeCode == 0) continue;
        const wire::Bytes payload(answer.begin() + 4, answer.end() - 1);
        wire::Bytes ack = ask(wire::frame96(r.writeCode, payload));
        if (!ack.empty()) out.push_back({ack[3], r.page, name(ack[3], r.page), ack});
    }
    return out;
}

}  // namespace rb::bench
