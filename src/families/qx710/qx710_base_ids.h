// Control ids of the QX-7100 base page ("本地设置查询").
#pragma once

#include <array>

#include "families/eapages/form_parts.h"

namespace rb::families::qx710::base_ids {

// 身份码 (1-262143), 鉴权 / 取消鉴权, numbered as on every 0xEA base page.
using eapages::identity_ids::kAuthOff;
using eapages::identity_ids::kAuthOn;
using eapages::identity_ids::kIdentity;
inline constexpr int kSetIdentity = 2432;                                 // "设置"
inline constexpr int kSystemCategory = eapages::identity_ids::kCategory;  // 系统类别 combo
inline constexpr int kVersionA = 1055;  // 基站频率表版本号 A.B
inline constexpr int kVersionB = 1063;
inline constexpr int kSoftwareHigh = 2062;  // 电台软件版本号, read-only
inline constexpr int kSoftwareLow = 3065;
inline constexpr int kControlDesk = 1169;    // 电台类型: 控制调度台 (0); group 1169
inline constexpr int kServiceDesk = 1174;    // 业务调度台 (1)
inline constexpr int kShipStation = 1170;    // 船台 (2)
inline constexpr int kAnalogShip = 1173;     // 模拟船台 (3)
inline constexpr int kBaseNumber = 1022;     // 基站编号 0-63
inline constexpr int kOwnerName = 1056;      // 机主姓名, 19 bytes
inline constexpr int kOwnerText = 1171;      // 身份信息, 63 bytes
inline constexpr int kSpacing25 = 1009;      // 25 KHz (index 0); group 1009
inline constexpr int kSpacing12_5 = 1010;    // 12.5KHz (index 1)
inline constexpr int kDefaultNumber = 3064;  // 默认频率编号 0-254
inline constexpr int kOffNet = 1057;         // 脱网信道频率
inline constexpr int kDefaultTx = 1058;      // 默认发射频率
inline constexpr int kDefaultRx = 1059;      // 默认接收频率
inline constexpr int kTablePage = 1012;      // 频率页号 0-63
inline constexpr std::array<int, 4> kRowLabels = {2412, 1413, 1414, 1415};
inline constexpr std::array<int, 4> kRowTx = {1013, 1015, 1017, 1019};
inline constexpr std::array<int, 4> kRowRx = {1014, 1016, 1018, 1020};
inline constexpr int kAlarmByIdentity = 1042;  // 报警电话号码类型: 身份码 (0); group 1042
inline constexpr int kAlarmByPhone = 1043;     // 电话号码 (1)
inline constexpr int kAlarmNumber = 1044;      // 报警电话号码或身份码, 14 characters
inline constexpr int kEncryptOn = 1011;        // 加密使能 (0); group 1011
inline constexpr int kEncryptOff = 1035;       // 加密禁止 (1)
inline constexpr int kKeyParameter = 1060;     // 密钥参数 0-65535
inline constexpr int kKeyWord = 1061;          // 密钥字, 12 bytes
inline constexpr int kRollCallTimeout = 1047;  // 点名超时(分钟)
inline constexpr int kOffNetTimeout = 1048;    // 脱网超时(分钟)
inline constexpr int kChannelHold = 1049;      // 信道保持(秒)
inline constexpr int kPttHold = 1050;          // PTT 保持(秒)
inline constexpr int kPower5W = 2410;          // 电台发射功率: 5W (0); group 2410
inline constexpr int kPower20W = 2411;         // 20W (1)
inline constexpr int kFieldStrength = 2074;    // 电台状态: 场强值
inline constexpr int kSwr = 3079;              // 驻波值
inline constexpr int kStatusBase = 2075;       // 基站编号
inline constexpr int kCallType = 2076;         // 呼叫类型
inline constexpr int kFrequencyNumber = 2077;  // 频率编号
inline constexpr int kTxRxState = 2078;        // 收发状态
inline constexpr int kChannelState = 3080;     // 信道状态
inline constexpr int kPeriodicRead = 2409;     // 定时读取电台数据

inline constexpr std::array<int, 7> kStatusFields = {
    kFieldStrength, kSwr, kStatusBase, kCallType, kFrequencyNumber, kTxRxState, kChannelState};
inline constexpr std::array<int, 4> kTimingEdits = {kRollCallTimeout, kOffNetTimeout, kChannelHold,
                                                    kPttHold};

}  // namespace rb::families::qx710::base_ids
