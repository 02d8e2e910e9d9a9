// The simulated WZ-4040 on its own: both variants by name, what it answers and what it refuses.
#include "sim/wz4040_terminal.h"

#include <gtest/gtest.h>

#include "sim/terminal.h"
#include "wire/codecs.h"

using namespace rb;

namespace {

std::vector<wire::Bytes> ask(sim::Terminal& t, const wire::Bytes& frame) {
    return t.answer(wire::FrameView(wire::ByteSpan(frame)));
}

}  // namespace

TEST(Wz4040Terminal, ServesBothVariants) {
    for (const char* name : {"wz4040", "LM520W"}) {
        auto t = sim::makeTerminal(name);
        ASSERT_TRUE(t) << name;
        EXPECT_EQ(t->baud(), 19200);
        const auto basic = ask(*t, wire::frameEA(0x21));
        ASSERT_EQ(basic.size(), 1u);
        EXPECT_EQ(basic[0].size(), 58u);  // 53 payload bytes
        const std::uint32_t identity = wire::FrameView(wire::ByteSpan(basic[0])).u24be(4);
        EXPECT_EQ(identity, std::string(name) == "wz4040" ? 100001u : 30001u);
    }
    const auto families = sim::terminalFamilies();
    EXPECT_NE(std::find(families.begin(), families.end(), "wz4040"), families.end());
    EXPECT_NE(std::find(families.begin(), families.end(), "lm520w"), families.end());
}

TEST(Wz4040Terminal, AnswersAndRefusals) {
    sim::Wz4040Terminal t;
    struct Case {
        const char* name;
        wire::Bytes request;
        std::string answer;  // hex of the first answer's command and payload start, or ""
    };
    const Case cases[] = {
        {"table page 16 does not exist", wire::frameEA(0x23, {16}), ""},
        {"table page 15", wire::frameEA(0x23, {15}), "EA 42 00 24 12 0F"},
        {"short 0x11 write", wire::frameEA(0x11, {1, 2, 3}), ""},
        {"0x11 write", wire::frameEA(0x11, {0, 0, 1, 0, 0, 0, 0, 0, 0}), "EA 01 00 80 11"},
        {"power read", wire::frameEA(0x29, {0, 0}), "EA 01 00 2A 11"},
        {"power write", wire::frameEA(0x29, {1, 0}), "EA 01 00 80 29"},
        {"telephone alarm", wire::frameEA(0x13, {0x00, 0x04, 0x1A, 0x50, 0, 0}), "EA 01 00 80 13"},
        {"alarm count that does not match", wire::frameEA(0x13, {0x00, 0x06, 0x1A, 0x50, 0, 0}),
         ""},
        {"group codes 1 static", wire::frameEA(0x17, {0x01, 0x10, 0x01}), "EA 01 00 80 17"},
        {"group codes short", wire::frameEA(0x17, {0x02, 0x10, 0x01}), ""},
        {"beacon", wire::frameEA(0x30, {0, 0}), "EA 01 00 80 30"},
        {"muster", wire::frameEA(0x31, wire::Bytes(49, 0x10)), "EA 01 00 41 10"},
        {"unknown command", wire::frameEA(0x5F), ""},
    };
    for (const Case& c : cases) {
        const auto out = ask(t, c.request);
        if (c.answer.empty()) {
            EXPECT_TRUE(out.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(out.size(), 1u) << c.name;
        EXPECT_EQ(wire::toHex(out[0]).substr(0, c.answer.size()), c.answer) << c.name;
    }
    // The power written is the power read.
    EXPECT_EQ(wire::toHex(ask(t, wire::frameEA(0x29, {0, 0}))[0]).substr(0, 14), "EA 01 00 2A 00");
}
