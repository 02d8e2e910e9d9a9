#include "wire/codecs.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "wire/comm_tool.h"

namespace rb::wire {
namespace {

TEST(CodecsTest, ParseNumbersLikeTheCLibraryButSaturating) {
    const std::pair<std::string, int> ints[] = {{"  42abc", 42},
                                                {"-17", -17},
                                                {"+5", 5},
                                                {"", 0},
                                                {"abc", 0},
                                                {" \t-0012", -12},
                                                {"- 5", 0},
                                                {"2147483647", INT_MAX},
                                                {"2147483648", INT_MAX},
                                                {"-2147483648", INT_MIN},
                                                {"-99999999999", INT_MIN}};
    for (const auto& [text, value] : ints) EXPECT_EQ(parseInt(text), value) << text;
    EXPECT_EQ(parseLong("9223372036854775808"), LLONG_MAX);
    EXPECT_EQ(parseLong("-9223372036854775808"), LLONG_MIN);
    EXPECT_EQ(parseLong("-99999999999999999999"), LLONG_MIN);
    EXPECT_EQ(parseLong("4000000"), 4000000);
}

TEST(CodecsTest, FrequencyCodesAndTexts) {
    const std::tuple<std::string, int, std::uint32_t> codes[] = {
        {"4000000", kStep25, 16000},   {"4000001", kStep25, 16000},   {"3500125", kStep12_5, 28001},
        {"4000000", kStep6_25, 64000}, {"9999999", kStep12_5, 79999}, {"", kStep25, 0}};
    for (const auto& [text, step, code] : codes) EXPECT_EQ(frequencyCode(text, step), code) << text;

    // A code above 65535 goes out as its low 16 bits; 24-bit codes as three bytes.
    Bytes out;
    putU16be(out, frequencyCode("9999999", kStep12_5));
    putU24be(out, frequencyCode("4000000", kStep6_25));
    putU16le(out, 0x1234);
    EXPECT_EQ(toHex(out), "38 7F 00 FA 00 34 12");

    const std::tuple<std::uint32_t, int, bool, std::string> texts[] = {
        {0xFFFF, kStep25, true, "0"},
        {0xFFFF, kStep25, false, "1638375"},  // 16383750 cut to 7 characters
        {28001, kStep12_5, true, "3500125"},
        {64000, kStep6_25, true, "4000000"},
        {0xFFFFFF, kStep6_25, true, "0"},
        {0xFFFF, kStep6_25, true, "4095937"},  // not all bits of a 24-bit code
        {0xFFFFFE, kStep6_25, true, "1048575"},
        {1, kStep6_25, true, "62"}};
    for (const auto& [code, step, allOnesReadsZero, text] : texts)
        EXPECT_EQ(frequencyText(code, step, allOnesReadsZero), text) << code;
}

TEST(CodecsTest, PackedTelephoneDigits) {
    const std::pair<std::string, std::string> cases[] = {
        {"1050", "1A 5A"},
        {"105", "1A 50"},
        {"", ""},
        {"0", "A0"},
        // A typed character that is no digit packs as 0 and keeps the count of nibbles.
        {"13-9", "13 A9"},
        {"1#5", "1A 50"},
        {"12345678901234", "12 34 56 78 9A 12 34"},
    };
    for (const auto& [digits, packed] : cases)
        EXPECT_EQ(toHex(packPhoneDigits(digits)), packed) << digits;
    EXPECT_EQ(unpackPhoneDigits(Bytes{0x1A, 0x5A}), "1050");
    EXPECT_EQ(unpackPhoneDigits(Bytes{0x1A, 0x50, 0x77}), "105");
    EXPECT_EQ(unpackPhoneDigits(packPhoneDigits("12345678901234")), "12345678901234");
}

TEST(CodecsTest, GbkTexts) {
    const std::string gbk = utf8ToGbk("身份码");
    EXPECT_EQ(toHex(Bytes(gbk.begin(), gbk.end())), "C9 ED B7 DD C2 EB");
    for (const auto& [text, length] :
         {std::pair<std::string, std::size_t>{"abc", 3}, {"身份码", 6}, {"a身", 3}, {"", 0}})
        EXPECT_EQ(gbkLength(text), length) << text;
    EXPECT_EQ(gbkToUtf8(utf8ToGbk("列调参数 A1")), "列调参数 A1");
    EXPECT_EQ(utf8ToGbk("\xF0\x9F\x98\x80"), "?");  // not in GBK

    const std::tuple<std::string, std::size_t, std::string> fields[] = {
        {"a身份", 5, "61 C9 ED B7 DD"},
        {"a身份", 4, "61 C9 ED 00"},  // never half of 份
        {"ab", 4, "61 62 00 00"},
        {"", 2, "00 00"}};
    for (const auto& [text, width, bytes] : fields) {
        Bytes out{0xEE};
        putGbkField(out, text, width);
        EXPECT_EQ(toHex(ByteSpan(out).subspan(1)), bytes) << text << " " << width;
    }
    EXPECT_EQ(gbkField(Bytes{0xC9, 0xED, 0x00, 0x41}), "身");
    EXPECT_EQ(gbkField(Bytes{0x41, 0x42}), "AB");
}

TEST(CodecsTest, HopMapBytes) {
    const std::tuple<int, std::uint8_t, std::string> cases[] = {
        {7, 0x07, "7,"},     {-12, 0x8C, "-12,"},   {0, 0x00, "0,"},
        {127, 0x7F, "127,"}, {-127, 0xFF, "-127,"},
    };
    for (const auto& [value, byte, item] : cases) {
        EXPECT_EQ(hopByte(value), byte) << value;
        EXPECT_EQ(hopValue(byte), value) << value;
        EXPECT_EQ(hopItem(byte), item) << value;
    }
    EXPECT_EQ(hopItem(0x80), "-0,");
}

TEST(CommToolTest, IdentityAndFrequencyChecksAndProgramDirectory) {
    EXPECT_EQ(toHex(Bytes{CCommTool::ByteOf24(0x123456, 1), CCommTool::ByteOf24(0x123456, 2),
                          CCommTool::ByteOf24(0x123456, 3)}),
              "12 34 56");
    for (const auto& [value, ok] :
         {std::pair{0LL, false}, {1LL, true}, {262143LL, true}, {262144LL, false}, {-1LL, false}}) {
        EXPECT_EQ(CCommTool::CheckIdentity(value).value_or("ok"),
                  ok ? "ok" : "身份码范围为:1-262143,请重新输入!")
            << value;
    }
    EXPECT_EQ(CCommTool::CheckShipIdentity(0, "3"),
              "3号船身份码设置不正确,范围为:1-262143,请重新输入!");
    EXPECT_FALSE(CCommTool::CheckShipIdentity(262143, "3"));

    const std::tuple<std::string, int, bool> frequencies[] = {
        {"4000000", kStep25, true},   {"4000001", kStep25, false},  {"-250", kStep25, false},
        {"4000000", kStep6_25, true}, {"4000125", kStep6_25, true}, {"4000005", kStep6_25, false},
        {"", kStep12_5, true},        {"3500125", kStep12_5, true},
    };
    for (const auto& [text, step, ok] : frequencies)
        EXPECT_EQ(CCommTool::IsFrequencyValid(text, step), ok) << text << " at " << step;
    EXPECT_EQ(CCommTool::CheckFrequency("4000001", kStep25, 5), "5信道频率设置不正确!");
    EXPECT_FALSE(CCommTool::CheckFrequency("4000000", kStep25, 5));

    const std::string dir = CCommTool::ProgramDirectory();
    EXPECT_TRUE(!dir.empty() && dir.back() == '/' && std::filesystem::is_directory(dir)) << dir;
}

}  // namespace
}  // namespace rb::wire
