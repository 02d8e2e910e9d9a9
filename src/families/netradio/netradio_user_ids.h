// Control ids of the network-radio user page ("用户信息"), shared by its logic, its form
// declaration and the tests.
#pragma once

#include <array>

#include "families/common96/encryption_group.h"
#include "families/common96/identity_page.h"

namespace rb::families::netradio::user_ids {

inline constexpr int kIdentityEdit = 1007;  // "身份码" (17~1023), at most 4 characters
inline constexpr int kGroupEdit = 2013;     // "本机组呼码" (1~63)
inline constexpr int kGroupSpin = 3252;
inline constexpr int kNumberEdit = 2014;  // "组内编号" (1~15)
inline constexpr int kNumberSpin = 3253;
inline constexpr int kRelayCheck = 1215;       // "中转有效"
using common96::kOwnerNameEdit;                // "机主姓名", below 20 GBK bytes
using common96::kOwnerTextEdit;                // "机主身份信息", below 64 GBK bytes
inline constexpr int kAuthCheck = 1214;        // "鉴权(使能)"
inline constexpr int kCrossGroupCheck = 1517;  // "跨组呼叫使能"
using common96::kSchemeEdit;                   // "加密方案" 0-15
inline constexpr int kSchemeSpin = 2248;
using common96::kEncryptReadButton;      // "读取"
using common96::kEncryptSetButton;       // "设置"
using common96::kKeyParamEdit;           // "密钥参数" 0-65535
using common96::kKeyWordEdit;            // "定义密钥", at most 12 GBK bytes
inline constexpr int kNoteLabel = 2100;  // the note under the group-call codes
// 所属组呼码 01-16 at index 0-15; 01 is read-only and always the local group-call code.
inline constexpr std::array<int, 16> kGroupCodeEdits = {
    2017, 2018, 2019, 2020, 1021, 2022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032};

}  // namespace rb::families::netradio::user_ids
