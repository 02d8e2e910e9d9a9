// Control ids of the LM52R user page ("用户信息"), shared by its logic, its form declaration
// and the tests.
#pragma once

#include <array>

#include "families/common96/encryption_group.h"
#include "families/common96/identity_page.h"

namespace rb::families::lm52r::user_ids {

inline constexpr int kCategoryEdit = 1012;  // "系统类别:" 1-4
inline constexpr int kCategorySpin = 3251;
inline constexpr int kIdentityEdit = 1007;      // "身份码:" 0-65535, at most 5 characters
using common96::kOwnerNameEdit;                 // "机主姓名:" below 20 GBK bytes
using common96::kOwnerTextEdit;                 // "机主身份信息:" below 64 GBK bytes
inline constexpr int kRelayCheck = 1215;        // "中转台标志"
inline constexpr int kAuthCheck = 1214;         // "鉴权(使能)"
inline constexpr int kBindAllowedCheck = 1306;  // "绑定允许"
inline constexpr int kAllStandbyCheck = 1307;   // "守候全有效"
inline constexpr int kSelectAllCheck = 1309;    // "选择全部守候组"
using common96::kSchemeEdit;                    // "加密方案:" 0-15
inline constexpr int kSchemeSpin = 2248;
using common96::kEncryptReadButton;  // "读取"
using common96::kEncryptSetButton;   // "设置"
using common96::kKeyParamEdit;       // "密钥参数:" 0-65535
using common96::kKeyWordEdit;        // "定义密钥:" at most 12 GBK bytes

// Channel k (1-16) at index k-1.
inline constexpr std::array<int, 16> kBindingEdits = {
    1315, 2316, 2317, 2318, 2319, 1320, 2321, 2322, 1323, 2324, 2325, 2326, 2327, 1328, 2329, 2330};
// Standby group g (1-16) at index g-1: the selection check box and its code edit.
inline constexpr std::array<int, 16> kStandbyChecks = {
    1308, 1310, 1311, 1312, 1313, 2314, 1331, 2332, 2333, 2334, 2335, 1336, 2337, 2338, 1339, 2340};
inline constexpr std::array<int, 16> kStandbyEdits = {
    1347, 2348, 2349, 2350, 2351, 1352, 2353, 2354, 1355, 2356, 2357, 2358, 2359, 1360, 2361, 2362};

}  // namespace rb::families::lm52r::user_ids
