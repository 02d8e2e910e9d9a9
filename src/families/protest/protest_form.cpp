// The page's form: every control with its id, caption and default, and the layout the renderer
// turns into widgets.
#include "families/protest/protest_page.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr int kFrequencyChars = 7;
constexpr int kCalibrationChars = 3;  // 0-255

engine::LayoutItem calibrationGroup() {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells;
    for (const auto& c : kCalibration) {
        cells.push_back(L::label(c.name));
        cells.push_back(L::row({L::ctl(c.edit), L::ctl(c.spin)}));
    }
    return L::group(
        "基本参数",
        L::column({
            L::grid(4, std::move(cells)),
            L::row({L::group("功率输出", L::row({L::ctl(kLowPower), L::ctl(kHighPower)})),
                    L::ctl(kFileMark), L::stretch()}),
            L::row({L::ctl(kReadBasicButton), L::ctl(kWriteBasicButton), L::ctl(kReadAllButton),
                    L::ctl(kWriteAllButton)}),
        }));
}

// What the marks of the band table mean, on hover.
constexpr const char* kMarkedRowTip = "标*的频率1、3、5: 频段的低端、中间和高端频点";
constexpr const char* kCurrentRowTip = "蓝色: 终端当前所在的频率行(最近一次\"切换\"的行)";
// The monitor readings are the terminal's own 16-bit numbers, shown as it reports them.
constexpr const char* kRawTip = "终端上报的16位读数,未换算为物理单位";
constexpr const char* kQualityTip = "0-255: 230以上理想, 211-230优良, 171-210一般, 170及以下较差";

engine::LayoutItem bandGroup() {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells = {L::empty(), L::label("发射频率", kCurrentRowTip),
                                             L::label("接收频率", kCurrentRowTip), L::empty()};
    auto addRow = [&](const FrequencyRow& row) {
        const bool marked = std::string(row.label).rfind("* ", 0) == 0;
        cells.push_back(marked ? L::label(row.label, kMarkedRowTip) : L::label(row.label));
        cells.push_back(L::ctl(row.tx));
        cells.push_back(L::ctl(row.rx));
        cells.push_back(row.button ? L::ctl(row.button) : L::empty());
    };
    for (const auto& row : kRows) addRow(row);
    addRow(kDefaultPair);
    addRow(kTestRow);
    return L::group(
        "语音频偏档位选择",
        L::column({
            L::row({L::label("信道间隔:"), L::ctl(kSpacing25), L::ctl(kSpacing12_5), L::stretch()}),
            L::grid(4, std::move(cells)),
            L::row({L::ctl(kReadBandButton), L::ctl(kWriteBandButton), L::stretch()}),
        }));
}

engine::LayoutItem machineGroup() {
    namespace L = engine::layout;
    return L::group("机型与序号",
                    L::column({
                        L::row({L::label("机器类型:"), L::ctl(kTypeCombo)}),
                        L::ctl(kTypeLabel),
                        L::grid(4, {L::label("生产年份:"), L::ctl(kYear), L::label("批次:"),
                                    L::ctl(kBatch), L::label("序号:"), L::ctl(kSerial),
                                    L::label("机器码:"), L::ctl(kMachineCode)}),
                        L::row({L::label("序号范围:"), L::ctl(kRangeStart), L::label("-"),
                                L::ctl(kRangeEnd), L::ctl(kSetRangeButton), L::stretch()}),
                        L::row({L::ctl(kInitTypeButton), L::stretch()}),
                    }));
}

engine::LayoutItem checksGroup() {
    namespace L = engine::layout;
    return L::column({
        L::group("监测参数", L::column({
                                 L::grid(3, {L::label("场强电压:"), L::ctl(kVoltage),
                                             L::label("(原始值)", kRawTip), L::label("电源电量:"),
                                             L::ctl(kSupply), L::label("(原始值)", kRawTip),
                                             L::label("数据质量:"), L::ctl(kQuality),
                                             L::label("(0-255)", kQualityTip)}),
                                 L::ctl(kReadMonitorButton),
                             })),
        L::group("机型选择",
                 L::column({
                     L::row({L::ctl(kModelDigital1), L::ctl(kModelDigital2), L::ctl(kModelAnalog)}),
                     L::row({L::ctl(kTransmitOn), L::ctl(kTransmitOff)}),
                 })),
        L::group("场强设置",
                 L::row({L::ctl(kFieldFirst), L::ctl(kFieldFifth), L::ctl(kFieldDefault)})),
        L::group("数传测试",
                 L::column({
                     L::row({L::ctl(kFixtureTest), L::ctl(kPlainTest), L::ctl(kMutualTest)}),
                     L::row({L::ctl(kDataTestButton), L::ctl(kStopTestButton)}),
                 })),
    });
}

}  // namespace

void CProTest::declareForm(engine::FormModel& f) {
    namespace L = engine::layout;

    for (const auto& c : kCalibration) {
        f.addEdit(c.edit, kCalibrationChars, "0");
        f.addSpin(c.spin, c.edit, 0, 255, /*wrap=*/true);
    }
    for (int row = 1; row <= kRowCount; ++row)
        for (Power level : {Power::Low, Power::High})
            for (int v = 0; v < kCalibrationCount; ++v)
                f.addEdit(CProTest::storedEdit(row, level, v), 0, "0").visible = false;
    f.addRadio(kLowPower, "低功率", kLowPower).value = 1;
    f.addRadio(kHighPower, "高功率", kLowPower);
    f.addCheck(kFileMark, "文件标记").enabled = false;
    f.addButton(kReadBasicButton, "读取基本参数");
    f.addButton(kWriteBasicButton, "更改基本参数");
    f.addButton(kReadAllButton, "全部读取");
    f.addButton(kWriteAllButton, "全部改写");
    f.addButton(kOpenFile, "打开文件");
    f.addButton(kStoreFile, "存储文件");
    f.addButton(kUnitRecordsButton, "单元记录");
    f.addButton(kStationButton, "自动测试");

    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing12_5);
    f.addRadio(kSpacing25, "25KHz", kSpacing12_5).value = 1;
    for (const auto& row : kRows) {
        f.addEdit(row.tx, kFrequencyChars, row.initial).tip = kCurrentRowTip;
        f.addEdit(row.rx, kFrequencyChars, row.initial).tip = kCurrentRowTip;
        f.addButton(row.button, "切换");
    }
    f.addEdit(kDefaultPair.tx, kFrequencyChars, kDefaultPair.initial);
    f.addEdit(kDefaultPair.rx, kFrequencyChars, kDefaultPair.initial);
    f.addEdit(kTestRow.tx, kFrequencyChars, kTestRow.initial).tip = kCurrentRowTip;
    f.addEdit(kTestRow.rx, kFrequencyChars, kTestRow.initial).tip = kCurrentRowTip;
    f.addButton(kTestRow.button, "切换");
    f.addButton(kReadBandButton, "读取频段");
    f.addButton(kWriteBandButton, "改写频段");

    f.addStatic(kVoltage, "");
    f.addStatic(kSupply, "");
    f.addStatic(kQuality, "");
    f.addButton(kReadMonitorButton, "读取监测参数");
    f.addRadio(kModelDigital1, "数字电台1", kModelDigital1).value = 1;
    f.addRadio(kModelDigital2, "数字电台2", kModelDigital1);
    f.addRadio(kModelAnalog, "模拟电台", kModelDigital1);
    f.addButton(kTransmitOn, "打开电台发射");
    f.addButton(kTransmitOff, "关闭电台发射");
    f.addButton(kFieldFirst, "第一格场强");
    f.addButton(kFieldFifth, "第五格场强");
    f.addButton(kFieldDefault, "默认场强");

    std::vector<std::string> types;
    types.reserve(std::size(kMachineTypes));
    for (const auto& t : kMachineTypes) types.emplace_back(t.text);
    f.addCombo(kTypeCombo, std::move(types), -1);
    f.addStatic(kTypeLabel, "当前未选择机器类型");
    f.addEdit(kYear, 2);
    f.addEdit(kBatch, 1);
    f.addEdit(kSerial, 4);
    f.addEdit(kRangeStart, 4);
    f.addEdit(kRangeEnd, 4);
    f.addEdit(kMachineCode).readOnly = true;
    f.addButton(kInitTypeButton, "初始化机型");
    f.addButton(kSetRangeButton, "设置序号范围");

    f.addRadio(kFixtureTest, "工装测试", kFixtureTest).value = 1;
    f.addRadio(kPlainTest, "普通测试", kFixtureTest);
    f.addRadio(kMutualTest, "收发互测", kFixtureTest);
    f.addButton(kDataTestButton, "数传测试");
    f.addButton(kStopTestButton, "停止测试");

    f.setLayout(L::column({
        L::row({
            L::column({calibrationGroup(), machineGroup(), L::stretch()}),
            L::column({bandGroup(), L::stretch()}),
            checksGroup(),
        }),
        L::row({L::stretch(), L::ctl(kOpenFile), L::ctl(kStoreFile), L::ctl(kUnitRecordsButton),
                L::ctl(kStationButton)}),
    }));
}

}  // namespace rb::families::protest
