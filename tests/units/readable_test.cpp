// The records as the window and the table show them: each kind's values as fields, the outcome
// in one vocabulary, a time-out named by its step and the row the sweep had reached.
#include "units/readable.h"

#include "units/exporters.h"
#include "units/json_text.h"
#include "units_fixture.h"

namespace rb::testing {
namespace {

using units::UnitRecord;

UnitRecord rec(const char* kind, const char* values, const char* outcome = "ok") {
    UnitRecord r;
    r.kind = kind;
    r.values = values;
    r.outcome = outcome;
    return r;
}

TEST(ReadableTest, EachKindShowsItsFieldsAndOutcome) {
    const UnitRecord row2Read = rec("calibration", R"({"action":"read","row":2,"power":"low"})");
    const UnitRecord row5Read = rec("calibration", R"({"action":"read","row":5,"power":"low"})");
    const UnitRecord row1Written =
        rec("calibration", R"({"action":"written","row":1,"power":"high"})");
    const struct {
        UnitRecord record;
        const UnitRecord* before;
        const char* values;
        const char* outcome;
    } cases[] = {
        {rec("calibration", R"({"action":"read","row":1,"power":"high","values":[1,2,3]})"),
         nullptr, "读取  第1行  高功率  1 2 3", "成功"},
        {rec("band_table", R"({"action":"written","step":250,"pairs":[[4000000,4000001],[5,6]]})"),
         nullptr, "写入  步进 250  1: 4000000/4000001  2: 5/6", "成功"},
        {rec("machine_code",
             R"({"action":"read","machine_code":"0810001","type_code":33,"type":"LM30T","version":"V1.2"})"),
         nullptr, "读取  机器码 0810001  LM30T  版本 V1.2", "成功"},
        {rec("monitor", R"({"voltage":258,"supply":772,"quality":231,"grade":"理想"})"), nullptr,
         "场强电压 258  电源电量 772  质量 231 (理想)", "成功"},
        {rec("transmitter", R"({"transmit":"on","model":"数字电台1"})"), nullptr,
         "发射打开  数字电台1", "成功"},
        {rec("model", R"({"transmit":"off","model":"模拟电台"})"), nullptr, "发射关闭  模拟电台",
         "成功"},
        {rec("field_strength", R"({"point":17,"name":"第一格场强","dbm":-116})"), nullptr,
         "第一格场强  -116 dBm", "成功"},
        {rec("standing_wave", "{}"), nullptr, "", "成功"},
        {rec("data_test", R"({"mode":3,"quality":255,"length":5,"rate":0.0125,"average":0.5})"),
         nullptr, "模式 3  质量 255  长度 5 字节  误码率 1.250%  平均误码率 50.000%", "成功"},
        {rec("data_test", R"({"mode":3,"echo":false,"rate":1,"average":0.5})", "failed"), nullptr,
         "模式 3  无回波  误码率 100.000%  平均误码率 50.000%", "失败: 无回波"},
        // Time-outs: the step from the request, the row from the record before it.
        {rec("failure", R"({"request":"0x93"})", "操作失败"), &row2Read, "全部读取: 第3行无应答",
         "失败: 无应答"},
        {rec("failure", R"({"request":"0x10"})", "操作失败"), &row2Read, "全部读取: 第3行无应答",
         "失败: 无应答"},
        {rec("failure", R"({"request":"0x91"})", "操作失败"), &row1Written, "全部改写: 第2行无应答",
         "失败: 无应答"},
        {rec("failure", R"({"request":"0x93"})", "操作失败"), &row5Read, "读取基本参数: 无应答",
         "失败: 无应答"},
        {rec("failure", R"({"request":"0x91"})", "操作失败"), &row2Read, "更改基本参数: 无应答",
         "失败: 无应答"},
        {rec("failure", R"({"request":"0x95"})", "操作失败"), nullptr, "读取监测参数: 无应答",
         "失败: 无应答"},
        {rec("failure", R"({"request":"0x42"})", "操作失败"), nullptr, "请求 0x42: 无应答",
         "失败: 无应答"},
        // A refusal: the page's message.
        {rec("failure", "{}", "发射频率设置不正确!"), nullptr, "", "失败: 发射频率设置不正确!"},
        // A kind of a later program, and values that are not JSON: shown as they are.
        {rec("tuning", R"({"offset":-3,"label":"a \"b\""})"), nullptr, "offset -3  label a \"b\"",
         "成功"},
        {rec("monitor", "not json"), nullptr, "not json", "成功"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(units::valuesText(c.record, c.before), c.values) << c.record.values;
        EXPECT_EQ(units::outcomeText(c.record), c.outcome) << c.record.values;
    }
}

TEST(ReadableTest, TheUnknownCodeAndKindsReadInChinese) {
    EXPECT_EQ(units::codeText(units::kUnknownCode), "未知");
    EXPECT_EQ(units::codeText("0810001"), "0810001");
    const std::pair<const char*, const char*> kinds[] = {
        {"machine_code", "机器码"},     {"calibration", "基本参数"},
        {"band_table", "频段表"},       {"monitor", "监测参数"},
        {"transmitter", "电台发射"},    {"model", "电台模式"},
        {"field_strength", "场强档位"}, {"standing_wave", "驻波基准"},
        {"data_test", "数传测试"},      {"failure", "失败"},
        {"tuning", "tuning"},
    };
    for (const auto& [word, name] : kinds) EXPECT_EQ(units::kindName(word), name) << word;
}

TEST(ReadableTest, PredecessorsAreTheSameUnitsEarlierRecord) {
    std::vector<UnitRecord> records(4);
    const char* codes[] = {"A", "B", "A", "A"};
    for (int i = 0; i < 4; ++i) records[std::size_t(i)].machineCode = codes[i];
    EXPECT_EQ(units::predecessors(records, false), (std::vector<int>{-1, -1, 0, 2}));
    // Newest first: the earlier record is the next one down the list.
    EXPECT_EQ(units::predecessors(records, true), (std::vector<int>{2, -1, 3, -1}));
}

TEST(ReadableTest, JsonFieldsReadsWhatTheRecordsHoldAndRefusesTheRest) {
    const units::JsonFields f(R"( {"a": 1.5, "s":"x,\"y\"", "l":[1, 2], "p":[[1,2],[3]]} )");
    ASSERT_TRUE(f.ok());
    EXPECT_EQ(f.keys(), (std::vector<std::string>{"a", "s", "l", "p"}));
    EXPECT_EQ(f.number("a"), 1.5);
    EXPECT_EQ(f.number("s"), std::nullopt);
    EXPECT_EQ(f.text("s"), "x,\"y\"");
    EXPECT_EQ(f.list("l"), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(f.arrays("p"), (std::vector<std::vector<std::string>>{{"1", "2"}, {"3"}}));
    EXPECT_FALSE(f.has("missing"));
    for (const char* bad : {"", "[1]", "{\"a\"}", "{\"a\":1", "{\"a\":\"open}", "{a:1}"})
        EXPECT_FALSE(units::JsonFields(bad).ok()) << bad;
    EXPECT_TRUE(units::JsonFields("{}").ok());
}

}  // namespace
}  // namespace rb::testing
