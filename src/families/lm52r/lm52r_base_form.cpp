// The base page's form: every control with its id, caption, default and range, and the layout
// the renderer turns into widgets.
#include "families/common96/common_form.h"
#include "families/lm52r/lm52r_base.h"
#include "wire/text_format.h"

namespace rb::families::lm52r {

using namespace base_ids;

namespace {

using wire::twoDigits;

engine::LayoutItem channelTable() {
    namespace L = engine::layout;
    constexpr int kColumns = 3 + kFlagCount;  // button, TX, RX, six flags
    std::vector<engine::LayoutItem> cells = {L::label("信道编号"), L::label("发射频率"),
                                             L::label("接收频率")};
    for (const char* h : kFlagHeaders) cells.push_back(L::label(h));
    // Under the headers: the two clear buttons and the six column switches.
    cells.push_back(L::empty());
    cells.push_back(L::ctl(kClearTx));
    cells.push_back(L::ctl(kClearRx));
    for (int id : kColumnSwitches) cells.push_back(L::ctl(id));
    for (const ChannelRow& row : kRows) {
        cells.push_back(L::ctl(row.button));
        cells.push_back(L::ctl(row.tx));
        cells.push_back(L::ctl(row.rx));
        for (int id : row.flags) cells.push_back(L::ctl(id));
    }
    return L::group("信道信息", L::grid(kColumns, std::move(cells)));
}

std::vector<engine::LayoutItem> settingsCells() {
    std::vector<engine::LayoutItem> cells =
        common96::dataPortCells(engine::layout::ctl(kStopBitsList));
    for (engine::LayoutItem& cell : common96::airTimersVoxCells()) cells.push_back(std::move(cell));
    return cells;
}

}  // namespace

void CLM52RBase::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    f.addEdit(kGroupEdit, 0, "1");
    f.addSpin(kGroupSpin, kGroupEdit, 1, 10);

    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing12_5);
    f.addRadio(kSpacing25, "25KHz", kSpacing12_5).value = 1;
    common96::declareCompander(f);
    common96::declarePower(f, common96::kLowPowerSecond);

    common96::declareBeeps(f, /*channelBeep=*/true);
    f.addCheck(kBacklight, "液晶背光灯有效", true).visible = false;

    common96::declareListsAndTimers(f);
    common96::declareVox(f);

    for (int k = 1; k <= kChannels; ++k) {
        const ChannelRow& row = kRows[k - 1];
        f.addEdit(row.tx, kFrequencyChars);
        f.addEdit(row.rx, kFrequencyChars);
        f.addButton(row.button, "信道" + twoDigits(k));
        for (int id : row.flags) f.addCheck(id, "");
    }
    for (int id : kColumnSwitches) f.addCheck(id, "");
    f.addButton(kClearTx, "清空");
    f.addButton(kClearRx, "清空");
    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    f.setLayout(L::column({
        L::row({
            L::label("信道组号:"),
            L::ctl(kGroupEdit),
            L::ctl(kGroupSpin),
            common96::spacingGroup(),
            common96::companderGroup(),
            L::group("发射功率", L::row(common96::powerCells(common96::kLowPowerSecond))),
            L::group("提示音", L::row({L::ctl(kBeepPowerOn), L::ctl(kBeepPttOff),
                                       L::ctl(kBeepChannel), L::ctl(kBacklight)})),
            L::stretch(),
        }),
        // Two rows of label / control pairs: the data-port lists, then the timers and VOX.
        L::grid(10, settingsCells()),
        channelTable(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::lm52r
