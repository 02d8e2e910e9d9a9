#include "monitor/hex_input.h"

#include <gtest/gtest.h>

namespace rb::monitor {
namespace {

TEST(HexInput, APairEveryThreeCharacters) {
    struct Case {
        std::string text;
        wire::Bytes bytes;
        std::size_t warnings;
    } cases[] = {
        {"  7e 00 80 80 \r\n", {0x7E, 0x00, 0x80, 0x80}, 0},
        {"7e008080", {0x7E, 0x08, 0x80}, 0},  // "7e", "08", "80"
        {"7g", {0xFF}, 1},
        {"7e 7g zz Ff", {0x7E, 0xFF, 0xFF, 0xFF}, 2},
        {"7e  00", {0x7E, 0x00}, 0},   // " 0": a space spoils the pair
        {"7e 00 g", {0x7E, 0x00}, 1},  // "g " warns but is not counted
        {"7e -1", {0x7E, 0x00}, 0},    // not a digit: 0
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

}  // namespace
}  // namespace rb::monitor
