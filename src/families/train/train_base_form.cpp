// The base page's form: every control with its id, caption, opening value and range, and the
// layout the renderer turns into widgets.
#include "families/common96/common_form.h"
#include "families/train/train_base.h"
#include "wire/text_format.h"

namespace rb::families::train {

using namespace base_ids;

namespace {

using wire::twoDigits;

// Two blocks of eight rows side by side: label, transmit, receive, digital.
engine::LayoutItem channelTable() {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells;
    for (int half = 0; half < 2; ++half) {
        for (const char* h : {"信道", "发射频率", "接收频率", "数字"}) cells.push_back(L::label(h));
    }
    for (int k = 1; k <= 8; ++k) {
        for (int row : {k, k + 8}) {
            const ChannelRow& r = kRows[row - 1];
            for (int id : {r.label, r.tx, r.rx, r.digital}) cells.push_back(L::ctl(id));
        }
    }
    return L::group("信道信息", L::grid(8, std::move(cells)));
}

// The four power radios, then the custom power and its track bar.
std::vector<engine::LayoutItem> powerCells() {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells = common96::powerCells(common96::kLowPowerSecond);
    cells.insert(cells.end(), {L::ctl(kPowerCustom), L::label("低"), L::ctl(kCustomLevel),
                               L::label("高"), L::stretch()});
    return cells;
}

// The data-port lists (the hidden air speed beside the stop bits), the timers and the group.
std::vector<engine::LayoutItem> settingsCells() {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells =
        common96::dataPortCells(L::row({L::ctl(kStopBitsList), L::ctl(kAirSpeedList)}));
    for (engine::LayoutItem& cell : common96::timerCells()) cells.push_back(std::move(cell));
    cells.push_back(L::label("信道组号:"));
    cells.push_back(L::row({L::ctl(kGroupEdit), L::ctl(kGroupSpin)}));
    cells.push_back(L::ctl(kSingleChannel));
    cells.push_back(L::empty());
    return cells;
}

}  // namespace

void CTrainBase::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    f.addEdit(kGroupEdit, 0, "1");
    f.addSpin(kGroupSpin, kGroupEdit, 1, 8, /*wrap=*/true);  // 8 + 1 -> 1, 1 - 1 -> 8

    f.addRadio(kSpacing6_25, "6.25K", kSpacing6_25);
    f.addRadio(kSpacing12_5, "12.5K", kSpacing6_25);
    f.addRadio(kSpacing25, "25K", kSpacing6_25).value = 1;
    common96::declareCompander(f);
    common96::declarePower(f, common96::kLowPowerSecond);
    f.addRadio(kPowerCustom, "人工功率", kPower0_5W);
    f.addSlider(kCustomLevel, 0, 255, 0);

    common96::declareBeeps(f, /*channelBeep=*/true);

    engine::Control& air = common96::declareListsAndTimers(f);
    air.visible = false;
    air.enabled = false;
    f.addCheck(kSingleChannel, "单一信道频率", false);

    for (int k = 1; k <= kChannels; ++k) {
        const ChannelRow& row = kRows[k - 1];
        f.addStatic(row.label, twoDigits(k));
        f.addEdit(row.tx, kFrequencyChars, "0");
        f.addEdit(row.rx, kFrequencyChars, "0");
        f.addCheck(row.digital, "", true);
    }
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    f.setLayout(L::column({
        L::row({
            L::group("信道间隔(Hz)",
                     L::row({L::ctl(kSpacing6_25), L::ctl(kSpacing12_5), L::ctl(kSpacing25)})),
            common96::companderGroup(),
            L::group("提示音",
                     L::row({L::ctl(kTonePowerOn), L::ctl(kTonePttOff), L::ctl(kToneChannel)})),
            L::stretch(),
        }),
        L::group("发射功率", L::row(powerCells())),
        // The air speed list is hidden: it has no label.
        L::grid(8, settingsCells()),
        channelTable(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::train
