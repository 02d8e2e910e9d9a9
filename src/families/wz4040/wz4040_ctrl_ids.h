// Control ids of the WZ-4040 control page ("业务控制类(测试使用)"), as the dialog numbers them,
// and the items of its combos.
#pragma once

#include <cstdint>
#include <vector>

#include "families/eapages/cdma_select.h"

namespace rb::families::wz4040 {

namespace ctrl_ids {
inline constexpr int kLongitude = 1603;
inline constexpr int kLatitude = 1604;
inline constexpr int kDirection = 1605;
inline constexpr int kSpeed = 1606;
inline constexpr int kGpsWrite = 1054;
inline constexpr int kGpsRead = 1055;
inline constexpr int kCdma = 1607;  // group 1607
inline constexpr int kWz = 1608;
using namespace eapages::cdma_ids;        // 音频控制 and CDMA/WZ选择
inline constexpr int kVoiceType = 1611;   // table A
inline constexpr int kByIdentity = 1612;  // group 1612
inline constexpr int kByPhone = 1613;
inline constexpr int kCallNumber = 1614;
inline constexpr int kCallButton = 1056;
inline constexpr int kDirectedCaller = 1615;
inline constexpr int kDirectedState = 1616;  // table B
inline constexpr int kDirectedButton = 1057;
inline constexpr int kTeardownButton = 1061;
inline constexpr int kAllocType = 1617;   // table C
inline constexpr int kAllocExtra = 1619;  // table D
inline constexpr int kAllocRate = 1618;
inline constexpr int kAllocCalled = 1620;
inline constexpr int kAllocCaller = 1621;
inline constexpr int kSpacing25 = 1009;  // group 1009
inline constexpr int kSpacing12_5 = 1010;
inline constexpr int kAllocTx = 1539;
inline constexpr int kAllocRx = 1538;
inline constexpr int kAllocPhone = 1624;
inline constexpr int kAllocButton = 1058;
inline constexpr int kDataType = 1622;  // table E
inline constexpr int kDataRate = 1623;
inline constexpr int kDataCalled = 1625;
inline constexpr int kData = 1626;
inline constexpr int kDataButton = 1059;
inline constexpr int kServiceType = 1627;  // table C
inline constexpr int kServiceRate = 1628;
inline constexpr int kServiceTarget = 1629;
inline constexpr int kServiceButton = 1060;
}  // namespace ctrl_ids

// The items of the page's combos and the code each sends.
struct ComboItem {
    const char* text;
    std::uint8_t code;
};
using ComboTable = std::vector<ComboItem>;

inline const ComboTable kVoiceTypes = {
    {"无呼叫", 0x00},
    {"半双工普通语音呼叫", 0x04},
    {"半双工一级告警语音呼叫", 0x05},
    {"半双工二级告警语音呼叫", 0x06},
    {"半双工三级告警语音呼叫", 0x07},
    {"双工普通语音呼叫", 0x84},
    {"双工一级告警语音呼叫", 0x85},
    {"双工二级告警语音呼叫", 0x86},
    {"双工三级告警语音呼叫", 0x87},
};
inline const ComboTable kDirectedStates = {
    {"空闲", 0x00},           {"信道忙拒绝", 0x01},     {"话费不足拒绝", 0x02},
    {"用户忙拒绝", 0x03},     {"排队等待", 0x04},       {"通话不足一分钟", 0x81},
    {"通话不足二分钟", 0x82}, {"通话不足三分钟", 0x83}, {"通话不足四分钟", 0x84},
    {"通话不足五分钟", 0x85}, {"正常允许", 0x99},
};
inline const ComboTable kCallTypes = {
    {"无呼叫", 0x00},
    {"普通数据呼叫", 0x01},
    {"一级告警数据呼叫", 0x02},
    {"二级告警数据呼叫", 0x03},
    {"半双工普通语音呼叫", 0x04},
    {"半双工一级告警语音呼叫", 0x05},
    {"半双工二级告警语音呼叫", 0x06},
    {"半双工三级告警语音呼叫", 0x07},
    {"带回应普通数据呼叫", 0x81},
    {"带回应一级告警数据呼叫", 0x82},
    {"带回应二级告警数据呼叫", 0x83},
    {"双工普通语音呼叫", 0x84},
    {"双工一级告警语音呼叫", 0x85},
    {"双工二级告警语音呼叫", 0x86},
    {"双工三级告警语音呼叫", 0x87},
};
inline const ComboTable kExtraControls = {
    {"(目标为主叫)按指定的信道频率分配", 0x00}, {"(目标为主叫)按当前的信道频率分配", 0x01},
    {"(目标为主叫)被叫号码不存在", 0x02},       {"(目标为主叫)被叫不在服务区", 0x03},
    {"(目标为被叫)按指定的信道频率分配", 0x80}, {"(目标为被叫)按当前的信道频率分配", 0x81},
};
inline const ComboTable kDataTypes = {
    {"无呼叫", 0x00},
    {"普通数据呼叫", 0x01},
    {"一级告警数据呼叫", 0x02},
    {"二级告警数据呼叫", 0x03},
    {"带回应普通数据呼叫", 0x81},
    {"带回应一级告警数据呼叫", 0x82},
    {"带回应二级告警数据呼叫", 0x83},
};
inline const ComboTable kRates = {{"9600", 0x00}, {"6400", 0x11}, {"12800", 0x22}, {"19200", 0x33}};

}  // namespace rb::families::wz4040
