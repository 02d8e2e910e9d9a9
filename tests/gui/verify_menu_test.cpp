// "设置(&S)" -> "写后校验": off at first, a check mark that turns the read-back on, and
// remembered for the next start.
#include <QAction>

#include "engine/user_settings.h"
#include "gui_fixture.h"

namespace rb::gui {
namespace {

using VerifyMenuTest = GuiFixture;

TEST_F(VerifyMenuTest, TheOptionIsOffAtFirstAndRememberedPerUser) {
    make();
    auto* item = window->findChild<QAction*>(QString::number(main_ids::kMenuVerifyAfterWrite));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("写后校验(&V)"));
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    EXPECT_FALSE(window->writeVerifier().enabled());

    item->trigger();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->writeVerifier().enabled());
    EXPECT_EQ(engine::readOption(session.paths, engine::kVerifyAfterWriteKey), "1");

    window.reset();
    make();
    item = window->findChild<QAction*>(QString::number(main_ids::kMenuVerifyAfterWrite));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(window->writeVerifier().enabled());
    item->trigger();
    EXPECT_FALSE(window->writeVerifier().enabled());
    EXPECT_EQ(engine::readOption(session.paths, engine::kVerifyAfterWriteKey), "0");
}

}  // namespace
}  // namespace rb::gui
