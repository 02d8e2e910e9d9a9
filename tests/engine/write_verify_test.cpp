// The comparison behind "写后校验": field labels taken from the layout, what counts as a
// difference, what a page leaves out, and putting the written values back.
#include "engine/write_verify.h"

#include <gtest/gtest.h>

#include "engine/page.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"

namespace rb::engine {
namespace {

namespace L = layout;

class FormPage : public Page {
public:
    explicit FormPage(Session& s) : Page(s, 0) {
        auto& f = form();
        f.addEdit(10, 0, "0300");               // "声控电平:"
        f.addEdit(11, 0, "张三");               // "机主姓名:"
        f.addEdit(12, 0, "9").readOnly = true;  // a version text
        f.addCheck(13, "开机", true);           // in group "提示音"
        f.addRadio(20, "12.5KHz", 20);          // group "信道间隔"
        f.addRadio(21, "25KHz", 20).value = 1;
        f.addCombo(30, {"无校验", "偶校验"}, 0);  // "校验方式:"
        f.addButton(40, "信道01");
        f.addEdit(41, 0, "4000000");  // table cell: 信道01 发射频率
        f.addCheck(42, "");           // table cell: 信道01 数字
        f.addEdit(50, 0, "7");        // ignored by the page
        f.addEdit(60);                // no label anywhere
        f.setLayout(L::column({
            L::row({L::label("声控电平:"), L::ctl(10), L::label("机主姓名："), L::ctl(11),
                    L::ctl(12)}),
            L::group("提示音", L::row({L::ctl(13)})),
            L::group("信道间隔", L::row({L::ctl(20), L::ctl(21)})),
            L::grid(2, {L::label("校验方式:"), L::ctl(30)}),
            L::grid(3, {L::label("信道编号"), L::label("发射频率"), L::label("数字"), L::ctl(40),
                        L::ctl(41), L::ctl(42)}),
            L::ctl(50),
            L::ctl(60),
        }));
    }
    void OnFrame(const wire::FrameView&) override {}
    std::set<int> verifyIgnores() const override { return {50}; }
};

struct WriteVerifyTest : ::testing::Test {
    ManualTimers timers;
    ScriptedPrompter prompter;
    Session session{timers, prompter, UserPaths::inDirectory(::testing::TempDir())};
    FormPage page{session};
    FormModel& f = page.form();
};

TEST_F(WriteVerifyTest, LabelsComeFromTheLayout) {
    const auto labels = fieldLabels(f);
    const std::map<int, std::string> expected = {
        {10, "声控电平"},        {11, "机主姓名"},    {13, "提示音 开机"},
        {20, "信道间隔"},        {21, "信道间隔"},    {30, "校验方式"},
        {41, "信道01 发射频率"}, {42, "信道01 数字"}, {60, "控件60"}};
    for (const auto& [id, label] : expected) EXPECT_EQ(labels.at(id), label) << id;
}

TEST_F(WriteVerifyTest, EveryChangedValueIsNamedWithWrittenAndReadValue) {
    const FormSnapshot written(page);
    EXPECT_TRUE(written.differences(page).empty());

    f.setText(10, "300");  // the same number: no difference
    f.setText(11, "李四");
    f.setText(12, "changed");  // read-only: never compared
    f.setChecked(13, false);
    f.setRadio(20, 0);
    f.setSelection(30, 1);
    f.setText(41, "4100000");
    f.setText(50, "8");  // ignored by the page
    const std::vector<FieldDifference> expected = {
        {11, "机主姓名", "张三", "李四"},
        {13, "提示音 开机", "选中", "未选中"},
        {20, "信道间隔", "25KHz", "12.5KHz"},
        {30, "校验方式", "无校验", "偶校验"},
        {41, "信道01 发射频率", "4000000", "4100000"},
    };
    EXPECT_EQ(written.differences(page), expected);
    EXPECT_EQ(describe(expected.back()), "信道01 发射频率: 写入 4000000, 读回 4100000");

    written.restore(page);
    EXPECT_TRUE(written.differences(page).empty());
    EXPECT_EQ(f.text(11), "张三");
    EXPECT_EQ(f.radio(20), 1);
    EXPECT_EQ(f.text(10), "0300");
}

}  // namespace
}  // namespace rb::engine
