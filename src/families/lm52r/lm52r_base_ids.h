// Control ids of the LM52R base page ("基本信息"), shared by its logic, its form declaration,
// the channel dialog's hand-over and the tests.
#pragma once

#include <array>

#include "families/common96/common_ids.h"
#include "families/lm52r/lm52r_state.h"

namespace rb::families::lm52r::base_ids {

inline constexpr int kGroupEdit = 1165;  // "信道组号:"
inline constexpr int kGroupSpin = 1166;
// The common-parameter group's controls (families/common96/common_ids.h); 0.5W and 3.0W are
// hidden, and the hidden "液晶背光灯有效" is filed as "GPS".
using namespace common96::common_ids;
inline constexpr int kBacklight = 1212;  // "液晶背光灯有效"
inline constexpr int kClearTx = 2256;    // "清空" under the transmit column
inline constexpr int kClearRx = 1283;    // "清空" under the receive column

// The six channel flags in table order: 数字, 声控, 数传, 加密, 时分, 跳频.
inline constexpr int kFlagCount = 6;
inline constexpr std::array<const char*, kFlagCount> kFlagHeaders = {"数字", "声控", "数传",
                                                                     "加密", "时分", "跳频"};
// Bit of each flag in a channel's flags byte (bits 5 and 0 stay 0).
inline constexpr std::array<int, kFlagCount> kFlagBits = {7, 6, 4, 3, 2, 1};
// Check boxes above the columns that switch one flag of all 16 channels.
inline constexpr std::array<int, kFlagCount> kColumnSwitches = {1259, 1264, 1267, 1272, 1275, 1280};

struct ChannelRow {
    int tx;      // transmit frequency edit
    int rx;      // receive frequency edit
    int button;  // "信道01" ... opens the channel dialog
    std::array<int, kFlagCount> flags;
};

namespace detail {
// The flag boxes of a row sit at base, base+1, base+3 ... base+6.
constexpr std::array<int, kFlagCount> flagIds(int base) {
    return {base, base + 1, base + 3, base + 4, base + 5, base + 6};
}
}  // namespace detail

// Row k of the channel table at index k-1.
inline constexpr std::array<ChannelRow, kChannels> kRows = {{
    {1187, 1188, 1240, detail::flagIds(1257)},
    {1189, 1190, 2522, detail::flagIds(1265)},
    {1191, 1192, 1242, detail::flagIds(1273)},
    {1193, 1194, 1243, detail::flagIds(1281)},
    {1195, 1196, 1244, detail::flagIds(1289)},
    {1197, 1198, 1245, detail::flagIds(1297)},
    {1199, 1200, 1246, detail::flagIds(1313)},
    {1201, 1202, 1247, detail::flagIds(1321)},
    {1203, 1204, 1248, detail::flagIds(1329)},
    {1205, 1206, 1249, detail::flagIds(1337)},
    {1207, 1208, 1250, detail::flagIds(1345)},
    {1209, 1210, 1251, detail::flagIds(1353)},
    {2219, 2220, 1252, detail::flagIds(1361)},
    {2221, 1222, 1253, detail::flagIds(1369)},
    {1223, 1224, 1254, detail::flagIds(1377)},
    {1225, 1226, 1255, detail::flagIds(1385)},
}};

inline constexpr int kFrequencyChars = 7;  // a frequency text holds at most 7 characters

}  // namespace rb::families::lm52r::base_ids
