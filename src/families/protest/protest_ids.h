// Control ids of the production-test page (dialog 150), grouped as the page shows them.
#pragma once

#include <array>

namespace rb::families::protest::ids {

// --- calibration values (basic parameters), in frame / set / file order --------------------
struct CalibrationControl {
    const char* name;  // also the stem of the file keys ("功率控制A1")
    int edit;
    int spin;
};
inline constexpr int kCalibrationCount = 8;
inline constexpr std::array<CalibrationControl, kCalibrationCount> kCalibration = {{
    {"功率控制", 1128, 1130},
    {"提示音量", 1133, 1134},
    {"平衡调制", 1137, 1138},
    {"静噪调节", 1141, 1142},
    {"数字频偏", 1131, 1132},
    {"模拟频偏", 1135, 1136},
    {"灵敏度", 1139, 1140},
    {"频率调整", 1143, 1144},
}};
inline constexpr int kLowPower = 1669;          // "低功率" (first of the group "功率输出")
inline constexpr int kHighPower = 1670;         // "高功率"
inline constexpr int kFileMark = 1434;          // "文件标记", disabled for the user
inline constexpr int kReadBasicButton = 1153;   // "读取基本参数"
inline constexpr int kWriteBasicButton = 1151;  // "更改基本参数"
inline constexpr int kReadAllButton = 1671;     // "全部读取"
inline constexpr int kWriteAllButton = 1672;    // "全部改写"
inline constexpr int kOpenFile = 2088;          // "打开文件"
inline constexpr int kStoreFile = 2089;         // "存储文件"

// Hidden edits 6000-6099: the ten stored calibration sets as asked for (not shown, not typed).
inline constexpr int kStoredBase = 6000;

// "单元记录", beside the file buttons: the records of the unit on the bench.
inline constexpr int kUnitRecordsButton = 2087;
// "自动测试", beside it: the test station, which runs a plan over this page.
inline constexpr int kStationButton = 2086;

// --- band table and frequency switching ----------------------------------------------------
inline constexpr int kSpacing12_5 = 1167;  // "12.5KHz" (first of the spacing group)
inline constexpr int kSpacing25 = 1168;    // "25KHz"
struct FrequencyRow {
    const char* label;
    int tx;
    int rx;
    int button;  // "切换", 0 for the default pair
    unsigned char switchByte;
    const char* initial;
};
inline constexpr int kRowCount = 5;
// Rows 1-5, then the test row; the default pair apart.
inline constexpr std::array<FrequencyRow, kRowCount> kRows = {{
    {"* 频率1", 2104, 2105, 1118, 0xF1, "4000000"},
    {"频率2", 2106, 2107, 1119, 0xF2, "4100000"},
    {"* 频率3", 2108, 2109, 1120, 0xF3, "4200000"},
    {"频率4", 2110, 1111, 1121, 0xF4, "4300000"},
    {"* 频率5", 1112, 1113, 1122, 0xF5, "4400000"},
}};
inline constexpr FrequencyRow kDefaultPair = {"默认频率", 1172, 1179, 0, 0, "4200000"};
inline constexpr FrequencyRow kTestRow = {"测试频率", 1114, 1115, 1123, 0xF0, "4505250"};
inline constexpr int kReadBandButton = 1116;   // "读取频段"
inline constexpr int kWriteBandButton = 1117;  // "改写频段"

// --- monitor readings, transmitter, model, field strength ---------------------------------
inline constexpr int kVoltage = 1162;            // 场强电压
inline constexpr int kSupply = 1163;             // 电源电量
inline constexpr int kQuality = 1164;            // 数据质量
inline constexpr int kReadMonitorButton = 1150;  // "读取监测参数"
inline constexpr int kModelDigital1 = 1147;      // "数字电台1" (first of the model group)
inline constexpr int kModelDigital2 = 1148;      // "数字电台2"
inline constexpr int kModelAnalog = 1149;        // "模拟电台"
inline constexpr int kTransmitOn = 1154;         // "打开电台发射"
inline constexpr int kTransmitOff = 1155;        // "关闭电台发射"
inline constexpr int kFieldFirst = 1165;         // "第一格场强"
inline constexpr int kFieldFifth = 1166;         // "第五格场强"
inline constexpr int kFieldDefault = 1169;       // "默认场强"

// --- machine type, machine code, serial numbers --------------------------------------------
inline constexpr int kTypeCombo = 1145;
inline constexpr int kTypeLabel = 1403;
inline constexpr int kYear = 1129;
inline constexpr int kBatch = 1146;
inline constexpr int kSerial = 1174;
inline constexpr int kRangeStart = 1175;
inline constexpr int kRangeEnd = 1176;
inline constexpr int kMachineCode = 1178;
inline constexpr int kInitTypeButton = 1152;  // "初始化机型"
inline constexpr int kSetRangeButton = 1177;  // "设置序号范围"

// --- data-transmission test: the production page's side ----------------------------------
inline constexpr int kFixtureTest = 2437;     // "工装测试" (first of the mode group)
inline constexpr int kPlainTest = 2438;       // "普通测试"
inline constexpr int kMutualTest = 1439;      // "收发互测"
inline constexpr int kDataTestButton = 1171;  // "数传测试"
inline constexpr int kStopTestButton = 1173;  // "停止测试"

}  // namespace rb::families::protest::ids
