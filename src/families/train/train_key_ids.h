// Control ids of the train-station key page ("用户信息"), shared by its logic, its form
// declaration and the tests.
#pragma once

#include <array>

#include "families/common96/identity_page.h"

namespace rb::families::train::key_ids {

inline constexpr int kIdentityEdit = 1007;  // "身份码", read-only, follows 调号 and 编号
using common96::kOwnerNameEdit;             // "机主姓名", at most 19 GBK bytes
using common96::kOwnerTextEdit;             // "机主身份信息", at most 63 GBK bytes
inline constexpr int kAuthCheck = 1214;     // "鉴权(使能)", never shown
inline constexpr int kReadIdentityButton = 2090;   // "读取数据"
inline constexpr int kWriteIdentityButton = 2091;  // "写录数据"

inline constexpr int kChannelEdit = 1525;  // "信道"
inline constexpr int kChannelSpin = 1526;
inline constexpr int kDispatchEdit = 1416;  // "调号" 1-255
inline constexpr int kDispatchSpin = 1417;
inline constexpr int kStaffEdit = 1418;  // "编号" 1-15
inline constexpr int kStaffSpin = 1419;
// Radio group "电台类型" in the order of the codes on the wire (0-3).
inline constexpr int kHandheldRadio = 1421;     // "手持台"
inline constexpr int kLocomotiveRadio = 1425;   // "机车台"
inline constexpr int kSectionRadio = 1422;      // "区长台"
inline constexpr int kOrdinaryRadio = 1426;     // "常规台"
inline constexpr int kReadTrainButton = 1423;   // "读取列调参数"
inline constexpr int kWriteTrainButton = 1424;  // "写录列调参数"

inline constexpr int kLongPressEdit = 1527;    // "长按键时限(毫秒)" 1000-3000
inline constexpr int kComboEdit = 1528;        // "组合键时限(毫秒)" 300-800
inline constexpr int kTestEdit = 1529;         // "测机间隔(毫秒)" 2000-8000
inline constexpr int kReadKeysButton = 2094;   // "读取按键"
inline constexpr int kWriteKeysButton = 2095;  // "写录按键"

struct KeyRow {
    const char* name;  // column "键名"
    int press;         // "按键": bit 7 of the row's byte
    int test;          // "测机": bit 6
};
inline constexpr int kKeyRows = 21;
// Row k at index k-1; its byte is frame byte 11 + k of 0x74 / 0x77.
inline constexpr std::array<KeyRow, kKeyRows> kKeys = {{
    {"红", 1215, 1216},       {"长红", 1217, 1218},     {"绿", 1219, 1220},
    {"绿-绿", 1221, 1222},    {"长绿", 1223, 1224},     {"绿-红", 1225, 1226},
    {"绿-黄", 1227, 1228},    {"黄", 1229, 1230},       {"黄-黄", 1231, 1232},
    {"黄-黄-黄", 1233, 1234}, {"长黄", 1235, 1236},     {"黄-红", 1237, 1238},
    {"黄-绿", 1239, 1240},    {"黄-黄-红", 1241, 1242}, {"黄-黄-绿", 1243, 1244},
    {"短PTT", 1245, 1246},    {"PTT-红", 1247, 1248},   {"PTT-黄", 1249, 1250},
    {"PTT-绿", 1251, 1252},   {"K1键", 1253, 1254},     {"K2键", 1255, 1256},
}};

}  // namespace rb::families::train::key_ids
