// The manual clock's window-timer semantics and the form model's user actions.
#include <gtest/gtest.h>

#include "engine/form_model.h"
#include "engine/timers.h"

using namespace std::chrono_literals;
using namespace rb::engine;

TEST(ManualTimers, RepeatsRestartsAndStopsFromItsOwnCallback) {
    ManualTimers t;
    int a = 0, b = 0;
    int owner = 0;
    t.start(&owner, 1, 100ms, [&] { ++a; });
    t.start(&owner, 2, 250ms, [&] {
        ++b;
        t.stop(&owner, 2);
    });
    t.advance(99ms);
    EXPECT_EQ(a, 0);
    t.advance(1ms);
    EXPECT_EQ(a, 1);
    t.start(&owner, 1, 100ms, [&] { ++a; });  // restart: next firing 100 ms from now
    t.advance(99ms);
    EXPECT_EQ(a, 1);
    t.advance(500ms);
    EXPECT_EQ(a, 6);
    EXPECT_EQ(b, 1);
    EXPECT_FALSE(t.running(&owner, 2));
    t.stopAll(&owner);
    EXPECT_EQ(t.count(), 0u);
    EXPECT_EQ(t.now(), 699ms);
}

TEST(ManualTimers, FiresInTimeOrderAcrossOwners) {
    ManualTimers t;
    std::string order;
    int x, y;
    t.start(&x, 1, 30ms, [&] {
        order += 'x';
        t.stop(&x, 1);
    });
    t.start(&y, 1, 10ms, [&] {
        order += 'y';
        t.stop(&y, 1);
    });
    t.advance(1s);
    EXPECT_EQ(order, "yx");
}

TEST(ManualTimers, DropsTicksBeyondTheLimitOfOneAdvance) {
    ManualTimers t;
    int fast = 0, slow = 0, once = 0;
    int owner = 0;
    t.start(&owner, 1, 10ms, [&] { ++fast; });
    t.start(&owner, 2, 1000ms, [&] { ++slow; });
    t.start(&owner, 3, 2000ms, [&] {
        ++once;
        t.stop(&owner, 3);
    });
    t.advance(2500ms, 3);
    // The 10 ms timer fired three times, the others all their ticks (a time-out still fires).
    EXPECT_EQ(fast, 3);
    EXPECT_EQ(slow, 2);
    EXPECT_EQ(once, 1);
    EXPECT_EQ(t.now(), 2500ms);
    // The dropped timer keeps its phase: next at 2510 ms, then every 10 ms with no limit.
    t.advance(9ms);
    EXPECT_EQ(fast, 3);
    t.advance(1ms);
    EXPECT_EQ(fast, 4);
    t.advance(100ms);
    EXPECT_EQ(fast, 14);
}

TEST(FormModel, RadiosChecksAndDisabledControls) {
    FormModel f;
    f.addRadio(1167, "12.5KHz", 1167);
    f.addRadio(1168, "25KHz", 1167);
    f.addCheck(1186, "开机");
    f.addButton(2090, "读取数据");
    int clicks = 0;
    f.onClick(1168, [&] { ++clicks; });
    f.onClick(2090, [&] { ++clicks; });

    EXPECT_EQ(f.radio(1167), -1);
    f.setRadio(1167, 0);
    EXPECT_TRUE(f.checked(1167));
    EXPECT_TRUE(f.click(1168));
    EXPECT_EQ(f.radio(1167), 1);
    EXPECT_FALSE(f.checked(1167));
    f.click(1186);
    EXPECT_TRUE(f.checked(1186));
    f.enable(2090, false);
    EXPECT_FALSE(f.click(2090));
    EXPECT_EQ(clicks, 1);
}

TEST(FormModel, EditsSpinsAndSelections) {
    FormModel f;
    f.addEdit(1165, 2, "1");
    f.addSpin(1166, 1165, 1, 10, true);
    f.addCombo(1393, {"无校验", "偶校验", "奇校验"}, 0);
    f.addEdit(1056, 3);

    f.type(1056, "张三丰五");  // cut to three characters, never inside a character
    EXPECT_EQ(f.text(1056), "张三丰");
    f.addEdit(1057, 5).maxLengthInGbkBytes = true;  // five GBK bytes: two characters and a digit
    f.type(1057, "张三丰");
    EXPECT_EQ(f.text(1057), "张三");
    f.type(1057, "a张三b");
    EXPECT_EQ(f.text(1057), "a张三");
    f.spin(1166, -1);  // wraps from 1 to 10
    EXPECT_EQ(f.text(1165), "10");
    f.spin(1166, +1);
    EXPECT_EQ(f.intValue(1166), 1);
    f.setSelection(1393, 3);  // outside the list: nothing selected
    EXPECT_EQ(f.selection(1393), -1);
    f.setSelection(1393, 2);
    EXPECT_EQ(f.selection(1393), 2);
    f.setText(1165, " -12abc");
    EXPECT_EQ(f.intValue(1165), -12);

    std::vector<int> seen;
    int token = f.addListener([&](int id) { seen.push_back(id); });
    f.setText(1165, "3");
    f.setText(1165, "3");  // no change, no notice
    f.removeListener(token);
    f.setText(1165, "4");
    EXPECT_EQ(seen, std::vector<int>{1165});
}
