// The base page's form: every control with its id, caption, opening value and range, and the
// layout the renderer turns into widgets.
#include <cstdio>

#include "families/common96/common_form.h"
#include "families/netradio/netradio_base.h"
#include "families/netradio/netradio_base_ids.h"
#include "wire/text_format.h"

namespace rb::families::netradio {

using namespace base_ids;
namespace L = engine::layout;

namespace {

using wire::twoDigits;

// Two columns of rows: 01-15 and the off-net row, then the spare rows 17-32; each row is its
// number, the frequency edit and its own-frequency box.
engine::LayoutItem frequencyTable() {
    std::vector<engine::LayoutItem> cells = {L::label("序号"),     L::label("频率"),
                                             L::label("本机频率"), L::label("序号"),
                                             L::label("频率"),     L::label("本机频率")};
    for (int row = 1; row <= 16; ++row) {
        if (row <= kFrequencies) {
            cells.push_back(L::label(twoDigits(row)));
            cells.push_back(L::ctl(kFrequencyEdits[row - 1]));
            cells.push_back(L::ctl(kFirstOwnBox + row - 1));
        } else {
            cells.push_back(L::label("脱网频率"));
            cells.push_back(L::ctl(kOffNetEdit));
            cells.push_back(L::ctl(kOffNetOwnBox));
        }
        cells.push_back(L::label(twoDigits(row + 16)));
        cells.push_back(L::ctl(kFirstSpareEdit + row - 1));
        cells.push_back(L::ctl(kFirstSpareBox + row - 1));
    }
    return L::group("频率信息", L::grid(6, std::move(cells)));
}

// The data-port lists, then air speed, the timers and the VOX level.
std::vector<engine::LayoutItem> settingsCells() {
    std::vector<engine::LayoutItem> cells = common96::dataPortCells(L::ctl(kStopBitsList));
    for (engine::LayoutItem& cell : common96::airTimersVoxCells()) cells.push_back(std::move(cell));
    return cells;
}

}  // namespace

void CNetRadioBase::declareForm(engine::FormModel& f) {
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing12_5);
    f.addRadio(kSpacing25, "25KHz", kSpacing12_5).value = 1;
    common96::declareCompander(f);
    // Declared in index order: the hidden 0.5W and 3.0W come first.
    common96::declarePower(f, common96::kLowPowerThird);

    common96::declareBeeps(f, /*channelBeep=*/false);
    f.addCheck(kBacklight, "液晶背光灯有效", true).visible = false;

    common96::declareListsAndTimers(f).enabled = false;  // the air speed
    common96::declareVox(f);

    f.addCheck(kVoxCheck, "声控", false);
    f.addCheck(kEncryptCheck, "加密", false);
    f.addCheck(kHoppingCheck, "跳频", false);

    for (int row = 1; row <= kFrequencies; ++row) {
        f.addEdit(kFrequencyEdits[row - 1], kFrequencyChars, "0");
        f.addCheck(kFirstOwnBox + row - 1, "");
    }
    f.addEdit(kOffNetEdit, kFrequencyChars, "0");
    f.addCheck(kOffNetOwnBox, "").enabled = false;
    for (int i = 0; i < kSpareRows; ++i) {
        auto& edit = f.addEdit(kFirstSpareEdit + i, kFrequencyChars);
        edit.enabled = false;
        f.addCheck(kFirstSpareBox + i, "").enabled = false;
    }

    f.addButton(engine::kReadButton, "读取数据");
    f.addButton(engine::kWriteButton, "写录数据");

    f.setLayout(L::column({
        L::row({
            common96::spacingGroup(),
            common96::companderGroup(),
            L::group("发射功率", L::row(common96::powerCells(common96::kLowPowerThird))),
            L::group("提示音",
                     L::row({L::ctl(kBeepPowerOn), L::ctl(kBeepPttOff), L::ctl(kBacklight)})),
            L::group("功能",
                     L::row({L::ctl(kVoxCheck), L::ctl(kEncryptCheck), L::ctl(kHoppingCheck)})),
            L::stretch(),
        }),
        L::grid(10, settingsCells()),
        frequencyTable(),
        L::row({L::stretch(), L::ctl(engine::kReadButton), L::ctl(engine::kWriteButton)}),
    }));
}

}  // namespace rb::families::netradio
