// The base page end to end against the simulated LM52R terminal over the in-process link: a
// write followed by a read gives back every field, and the terminal keeps its own bits.
#include <gtest/gtest.h>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/lm52r/lm52r_base.h"
#include "families/lm52r/lm52r_container.h"
#include "link/sim_link.h"
#include "sim/lm52r_terminal.h"

using namespace std::chrono_literals;
using namespace rb;
namespace ids = rb::families::lm52r::base_ids;

namespace {

struct SimBench {
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    engine::Session session{timers, prompter, engine::UserPaths::inDirectory("/tmp")};
    link::SimLink* link = nullptr;
    std::unique_ptr<families::lm52r::CLM52R> container;

    SimBench() {
        session.theComm.setOpener([this](const engine::PortRequest& r) {
            auto result = link::openSimulator(r, timers);
            link = static_cast<link::SimLink*>(result.link.get());
            return result;
        });
        container = std::make_unique<families::lm52r::CLM52R>(session);
        session.theComm.SetWnd(container.get());
        engine::PortRequest request;
        request.device = "sim";
        request.family = "lm52r";
        session.theComm.Open(request);
    }
    engine::FormModel& form() { return container->base().form(); }
    // Byte 8 of the common parameters the terminal holds.
    std::uint8_t terminalFlags() {
        auto answers = link->line().terminal().answer(wire::FrameView(wire::frame96(0x22)));
        return answers.empty() ? 0 : wire::FrameView(answers.front())[8];
    }
};

// Every shown value, by control id.
std::vector<std::pair<std::string, int>> snapshot(const engine::FormModel& f) {
    std::vector<std::pair<std::string, int>> out;
    for (int id : f.ids()) out.emplace_back(f.control(id).text, f.control(id).value);
    return out;
}

}  // namespace

TEST(Lm52rBaseSim, WriteThenReadGivesBackEveryField) {
    SimBench b;
    ASSERT_TRUE(b.session.theComm.IsOpen());
    const std::uint8_t factoryFlags = b.terminalFlags();
    auto& f = b.form();

    // Values unlike both the page's reset and the terminal's factory contents. The read asks
    // for channel group 1, so that is the group written.
    f.click(ids::kSpacing12_5);
    f.click(ids::kCompanderOff);
    f.click(ids::kPowerLow);
    f.type(ids::kPttEdit, "255");
    f.type(ids::kStandbyEdit, "1");
    f.type(ids::kVoxEdit, "65535");
    f.click(ids::kBeepPttOff);  // off; the other two beeps on
    f.setChecked(ids::kBacklight, false);
    f.select(ids::kParityList, 2);
    f.select(ids::kSpeedList, 9);
    f.select(ids::kDataBitsList, 4);
    f.select(ids::kStopBitsList, 1);
    f.select(ids::kAirSpeedList, 3);
    for (int k = 1; k <= 16; ++k) {
        const auto& row = ids::kRows[k - 1];
        f.type(row.tx, std::to_string(3500000 + 125 * k));
        f.type(row.rx, std::to_string(8191750 - 125 * k));
        for (int j = 0; j < 6; ++j) {
            if ((k + j) % 2 == 0) f.click(row.flags[j]);
        }
        b.container->state().chanEncryType[k - 1] = std::uint8_t(16 - k);
        b.container->state().chanHFType[k - 1] = std::uint8_t(k % 4);
    }
    const auto written = snapshot(f);
    const auto encry = b.container->state().chanEncryType;
    const auto hf = b.container->state().chanHFType;

    f.click(2091);
    b.timers.advance(3000ms);
    EXPECT_EQ(b.session.statusBar.text(2), "声控电平设置成功");
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"确认写录数据?"}));
    // The terminal's own bits 4, 5, 7 survived; the page's bits are what the form shows.
    EXPECT_EQ(b.terminalFlags() & 0xB0, factoryFlags & 0xB0);
    EXPECT_EQ(b.terminalFlags() & 0x4F, 0x0C);  // compander off, 开机 and 频道切换, no 1212

    b.container->state().chanEncryType.fill(0xAA);
    f.click(2090);
    b.timers.advance(1500ms);
    EXPECT_EQ(b.session.statusBar.text(2), "读取声控电平成功");
    EXPECT_EQ(b.session.statusBar.text(1), sim::Lm52rTerminal::kFactoryVersion);
    EXPECT_EQ(b.prompter.boxes.size(), 1u);

    const auto read = snapshot(f);
    const auto idList = f.ids();
    for (std::size_t i = 0; i < idList.size(); ++i) {
        EXPECT_EQ(read[i], written[i]) << "control " << idList[i];
    }
    EXPECT_EQ(b.container->state().chanEncryType, encry);
    EXPECT_EQ(b.container->state().chanHFType, hf);
}
