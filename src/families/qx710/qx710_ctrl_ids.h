// Control ids of the QX-7100 control page ("业务控制类(测试使用)") and the items of its combo.
#pragma once

#include <cstdint>

#include "families/eapages/cdma_select.h"

namespace rb::families::qx710 {

namespace ctrl_ids {
inline constexpr int kGpsValue = 2012;       // 2位16进制数据
inline constexpr int kGpsButton = 1054;      // GPS写入
inline constexpr int kSwitchDo = 2056;       // 切换控制: 切换 (0); group 2056
inline constexpr int kSwitchRestore = 2055;  // 恢复 (1)
inline constexpr int kSwitchSearch = 2057;   // 重新搜索控制信道 (2)
inline constexpr int kTypeDefault = 1219;  // "呼叫类型:" 切换到默认信道 (0); group 1219
inline constexpr int kTypeOffNet = 1227;   // 切换到脱网信道 (1)
inline constexpr int kTypeGiven = 1228;    // 切换到指定信道 (2)
inline constexpr int kTypeDefaultSwap = 1220;  // 切换到默认信道，并收发频率调换 (3)
inline constexpr int kTypeGivenSwap = 1229;    // 切换到指定信道，并收发频率调换 (4)
inline constexpr int kInTable = 1431;          // 编号类别: 表内编号 (0); group 1431
inline constexpr int kInBand = 1432;           // 带内编号 (1)
inline constexpr int kChannelNumber = 3078;    // 频率编号
inline constexpr int kSwitchButton = 2065;     // 信道切换
inline constexpr int kLevel0 = 1066;           // 呼叫级别 "0" (0); group 1066
inline constexpr int kLevel1 = 1067;
inline constexpr int kLevel2 = 2068;
inline constexpr int kByIdentity = 1042;      // 号码类型: 身份码 (0); group 1042
inline constexpr int kByPhone = 2043;         // 电话号码 (1)
inline constexpr int kCallNumber = 2072;      // 电话号码或身份码
inline constexpr int kCallButton = 2073;      // 呼叫发起
inline constexpr int kTarget = 1007;          // 目标身份码
inline constexpr int kData = 2087;            // 透明数据
inline constexpr int kUse97 = 1430;           // 0x97协议
inline constexpr int kDataInterval = 1428;    // 数传间隔 (ms)
inline constexpr int kRepeatNormal = 1427;    // 连续普通
inline constexpr int kRepeatPrompt = 1429;    // 连续及时
inline constexpr int kModeButton = 3074;      // 传输模式
inline constexpr int kDataButton = 3075;      // 发送数传
inline constexpr int kPromptButton = 4079;    // 及时数传
inline constexpr int kGroupCode = 1008;       // 组呼码
inline constexpr int kRegroupButton = 3076;   // 动态重组
inline constexpr int kUngroupButton = 3077;   // 取消重组
inline constexpr int kCalling = 2009;         // 主叫身份码
inline constexpr int kCalled = 2010;          // 被叫身份码
inline constexpr int kTxFrequency = 3221;     // 发射频率
inline constexpr int kRxFrequency = 2222;     // 接收频率
inline constexpr int kCdma = 1217;            // 控制类型: CDMA (0); group 1217
inline constexpr int kWz = 1218;              // WZ (1)
using namespace eapages::cdma_ids;            // 音频控制 and CDMA/WZ选择
inline constexpr int kAllocateButton = 1045;  // 呼叫分配
inline constexpr int kTeardownButton = 2044;  // 强拆信道
inline constexpr int kShipIdentity = 2011;    // 船台身份码
inline constexpr int kShipControl = 2406;     // 控制类型 combo (指定船台呼叫)
inline constexpr int kShipCallButton = 3047;  // 船台呼叫
}  // namespace ctrl_ids

// 指定船台呼叫's 控制类型 items and the code each sends.
struct ShipControl {
    const char* item;
    std::uint8_t code;
};
inline constexpr ShipControl kShipControls[] = {
    {"空闲", 0x00},           {"信道忙拒绝", 0x01},     {"话费不足拒绝", 0x02},
    {"通话不足五分钟", 0x85}, {"通话不足四分钟", 0x84}, {"通话不足三分钟", 0x83},
    {"通话不足二分钟", 0x82}, {"通话不足一分钟", 0x81}, {"正常允许", 0xAA},
};

}  // namespace rb::families::qx710
