#include "monitor/hex_input.h"

#include <gtest/gtest.h>

#include "engine/prompter.h"

namespace rb::monitor {
namespace {

TEST(HexInput, BytesOfTypedText) {
    struct Case {
        std::string text;
        wire::Bytes bytes;
        std::size_t warnings;
    } cases[] = {
        {"7e 00 80 80", {0x7E, 0x00, 0x80, 0x80}, 0},
        {"  7e 00 80 80 \r\n", {0x7E, 0x00, 0x80, 0x80}, 0},
        // Without spaces a pair is still taken every 3 characters: "7e", "08", "80".
        {"7e008080", {0x7E, 0x08, 0x80}, 0},
        {"7g", {0xFF}, 1},
        {"7e 7g zz 01", {0x7E, 0xFF, 0xFF, 0x01}, 2},
        {"96 05 80 9a EA", {0x96, 0x05, 0x80, 0x9A, 0xEA}, 0},
        {"7e  00", {0x7E, 0x00}, 0},  // the second pair is " 0": a space spoils it
        {"7e 0", {0x7E}, 0},          // "0 " is not counted
        {"7e 0g", {0x7E, 0xFF}, 1},
        {"7e 00 g", {0x7E, 0x00}, 1},  // "g " is looked at (and warns) but not counted
        {"", {}, 0},
    };
    for (const auto& c : cases) {
        engine::ScriptedPrompter p;
        EXPECT_EQ(pairsToBytes(trimBlanks(c.text), p), c.bytes) << c.text;
        ASSERT_EQ(p.boxes.size(), c.warnings) << c.text;
        for (const auto& box : p.boxes) {
            EXPECT_EQ(box.text, "请输入正确的16进制字符串!");
            EXPECT_EQ(box.caption, "输入错误");
            EXPECT_EQ(box.icon, engine::Icon::Warning);
            EXPECT_EQ(box.owner, nullptr);
        }
    }
}

TEST(HexInput, ParseHexPairValues) {
    struct Case {
        const char* pair;
        int value;
    } cases[] = {{"ff", 255}, {"Ff", 255}, {"0a", 10}, {"F", 15},  {"", 0},
                 {"1 ", 0},   {"-1", 0},   {"gg", -1}, {"Z1", -1}, {"接", 0}};
    for (const auto& c : cases) {
        engine::ScriptedPrompter p;
        EXPECT_EQ(ParseHexPair(c.pair, p), c.value) << c.pair;
    }
}

}  // namespace
}  // namespace rb::monitor
