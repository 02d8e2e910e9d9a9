// A type switch leaves nothing of the previous type behind: its version and status texts, the
// terminal list while the bench page shows, the heading of the other trunking variant, a line
// speed the new type does not use (offered, never forced), and edits not yet written or stored
// (asked about first).
#include <QComboBox>

#include "families/lm52r/lm52r_base_ids.h"
#include "families/wz4040/wz4040_container.h"
#include "gui_fixture.h"

namespace rb::gui {
namespace {

using namespace main_ids;
using engine::Answer;

using TypeSwitchTest = GuiFixture;

struct SpeedCase {
    int from;  // terminal list index shown first
    int to;
    Answer answer;
    const char* question;
    int baudAfter;
};

class LineSpeedOffer : public GuiFixture, public ::testing::WithParamInterface<SpeedCase> {};

TEST_P(LineSpeedOffer, AnotherSpeedIsOfferedAndTheAnswerKept) {
    const SpeedCase& c = GetParam();
    make();
    ASSERT_TRUE(window->start());
    window->showTerminalType(c.from);  // accepted when it asks: the port now has its speed
    prompter.boxes.clear();
    const std::size_t opens = requests.size();
    prompter.answers = {c.answer};
    window->showTerminalType(c.to);
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{c.question});
    EXPECT_EQ(prompter.boxes[0].buttons, engine::Buttons::OkCancel);
    EXPECT_EQ(window->portSettings().commBaudRate, c.baudAfter);
    if (c.answer == Answer::Ok) {
        ASSERT_EQ(requests.size(), opens + 1);
        EXPECT_EQ(requests.back().baud, c.baudAfter);
        EXPECT_TRUE(session.theComm.IsOpen());
        EXPECT_EQ(session.theComm.receiver(), window->activeContainer());
    } else {
        EXPECT_EQ(requests.size(), opens);  // the port is left as it is
    }
    EXPECT_NE(
        window->statusText(0).toStdString().find("," + std::to_string(c.baudAfter) + ",N,8,1"),
        std::string::npos)
        << window->statusText(0).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Types, LineSpeedOffer,
    ::testing::Values(SpeedCase{1, 0, Answer::Ok, "此类终端使用19200波特率,是否切换?", 19200},
                      SpeedCase{1, 5, Answer::Cancel, "此类终端使用19200波特率,是否切换?", 9600},
                      SpeedCase{0, 3, Answer::Ok, "此类终端使用9600波特率,是否切换?", 9600},
                      SpeedCase{2, 4, Answer::Cancel, "此类终端使用9600波特率,是否切换?", 19200}));

TEST_F(TypeSwitchTest, StartUpKeepsTheSpeedJustChosenWithoutAsking) {
    make();
    PortSettings chosen;
    chosen.device = "/dev/ttyUSB0";
    chosen.commBaudRate = 19200;
    ASSERT_TRUE(window->start(chosen));  // the LM52R shows, whose terminal uses 9600
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_EQ(window->portSettings().commBaudRate, 19200);
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().baud, 19200);
}

TEST_F(TypeSwitchTest, AClosedPortOrTheSameSpeedAsksNothing) {
    make();
    ASSERT_TRUE(window->start());
    prompter.boxes.clear();
    window->showTerminalType(3);  // 9600 like the LM52R
    window->showTerminalType(4);
    EXPECT_TRUE(prompter.boxes.empty());
    window->OnClosePort();
    window->showTerminalType(0);
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(TypeSwitchTest, TheOldTypesTextsGoAndTheBenchPageNamesNoType) {
    make();
    ASSERT_TRUE(window->start());
    session.statusBar.SetText(1, "V2.10");
    session.statusBar.SetText(2, "信道频率读取成功!");
    window->showTerminalType(3);
    EXPECT_EQ(window->statusText(1), "");
    EXPECT_EQ(window->statusText(2), "状态信息");

    session.statusBar.SetText(1, "V1.00");
    codes = {"4lotus"};
    mainButton(kProductionTest)->click();
    EXPECT_EQ(window->statusText(1), "");
    auto* list = window->findChild<QComboBox*>(QString::number(kTerminalList));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(list->placeholderText(), "生产测试");
    // Back to the type that showed before, and the list names it again.
    mainButton(kProductionTest)->click();
    EXPECT_EQ(window->terminalIndex(), 3);
    EXPECT_EQ(window->activeContainer(), &window->containerWidget("netradio")->container());
}

TEST_F(TypeSwitchTest, TheTrunkingContainerTakesTheHeadingOfTheTypeItShowsAs) {
    make();
    ASSERT_TRUE(window->start());
    window->showTerminalType(2);  // LM520W
    engine::Container* c = window->activeContainer();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->form().text(engine::kHeadingLabel), families::wz4040::CWZ4040::kRelayHeading);
    window->showTerminalType(5);  // WZ-4040
    EXPECT_EQ(window->activeContainer(), c);
    EXPECT_EQ(c->form().text(engine::kHeadingLabel), families::wz4040::CWZ4040::kHeading);
}

TEST_F(TypeSwitchTest, EditsNotWrittenOrStoredAreAskedAbout) {
    make();
    ASSERT_TRUE(window->start());
    engine::Container* lm52r = window->activeContainer();
    lm52r->page(0).form().type(families::lm52r::base_ids::kGroupEdit, "7");
    prompter.boxes.clear();
    prompter.answers = {Answer::Cancel};
    window->showTerminalType(3);
    ASSERT_EQ(prompter.texts(), std::vector<std::string>{"当前页面有未写录或存储的修改,是否切换?"});
    EXPECT_EQ(window->activeContainer(), lm52r);
    EXPECT_EQ(window->terminalIndex(), 1);  // the list goes back too
    // Declined for the bench page too: the button keeps its caption.
    prompter.answers = {Answer::Cancel};
    mainButton(kProductionTest)->click();
    EXPECT_EQ(window->activeContainer(), lm52r);
    EXPECT_EQ(mainButton(kProductionTest)->text(), "生产测试");

    prompter.answers = {Answer::Ok};
    window->showTerminalType(3);
    EXPECT_NE(window->activeContainer(), lm52r);
    // The edits are still there when the type shows again, and so is the question.
    EXPECT_EQ(lm52r->page(0).form().text(families::lm52r::base_ids::kGroupEdit), "7");
    prompter.boxes.clear();
    window->showTerminalType(1);
    EXPECT_TRUE(prompter.boxes.empty());  // the network radio's forms are clean

    // A command page's boxes (the QX-7100 muster slots) are parameters, not settings.
    window->showTerminalType(0);  // the speed offer is taken
    window->activeContainer()->page(1).form().type(2047, "9");
    prompter.boxes.clear();
    window->showTerminalType(3);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"此类终端使用9600波特率,是否切换?"});
}

}  // namespace
}  // namespace rb::gui
