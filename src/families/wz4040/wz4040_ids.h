// Control ids of the four WZ-4040 pages, as the dialogs number them. Each page has its own form,
// so an id may stand for different controls on different pages.
#pragma once

#include <array>

namespace rb::families::wz4040 {

namespace base_ids {
inline constexpr int kIdentity = 1007;      // 身份码
inline constexpr int kAuthOn = 2429;        // 鉴权 (index 0); group 2429
inline constexpr int kAuthOff = 1430;       // 取消鉴权 (index 1)
inline constexpr int kCategory = 1433;      // 系统类别
inline constexpr int kControlDesk = 1530;   // 电台类型: 控制调度台 (0); group 1530
inline constexpr int kServiceDesk = 1531;   // 业务调度台 (1)
inline constexpr int kRelayStation = 1532;  // 延伸中转台 (2)
inline constexpr int kPlainStation = 1533;  // 普通电台 (3)
inline constexpr std::array<int, 6> kSwitches = {1534, 1535, 1536, 1537, 1587, 1589};
inline constexpr int kHardware = 1586;       // 硬件版本, read-only
inline constexpr int kSoftware = 1588;       // 软件版本, read-only
inline constexpr int kBaseNumber = 1012;     // 基站编号 1-255
inline constexpr int kChannelNumber = 1013;  // 信道编号 1-255
inline constexpr int kSpacing25 = 1009;      // 25 KHz (index 0); group 1009
inline constexpr int kSpacing12_5 = 1010;    // 12.5KHz (index 1)
inline constexpr int kDefaultTx = 1539;
inline constexpr int kDefaultRx = 1538;
inline constexpr int kOffNetTx = 1060;
inline constexpr int kOffNetRx = 1061;
inline constexpr int kOffNet = 1057;
inline constexpr std::array<int, 4> kFrequencyLabels = {1665, 1666, 1667, 1668};
inline constexpr int kOffNetLabel = 1669;  // "脱网频率:" (our own id for the fifth row)
inline constexpr int kVersionA = 1540;
inline constexpr int kVersionB = 1541;
inline constexpr int kTablePage = 1574;  // 页号 1-16
inline constexpr std::array<int, 16> kRowLabels = {1615, 2413, 2414, 2415, 2416, 2417, 2418, 2419,
                                                   2420, 2421, 2422, 2423, 2424, 2425, 2426, 2427};
inline constexpr int kFirstRowTx = 1542;  // row i TX 1542 + 2i, RX 1543 + 2i
inline constexpr int kRollCallTimeout = 1047;
inline constexpr int kOffNetTimeout = 1048;
inline constexpr int kChannelHold = 1049;
inline constexpr int kPttHold = 1050;
inline constexpr int kAlarmByIdentity = 1575;  // 身份码 (0); group 1575
inline constexpr int kAlarmByPhone = 1576;     // 电话号码 (1)
inline constexpr int kAlarmNumber = 1577;
inline constexpr int kKeyParameter = 1062;
inline constexpr int kKeyWord = 1063;
inline constexpr int kStatusBase = 1578;
inline constexpr int kStatusChannel = 1579;
inline constexpr int kStatusType = 1580;
inline constexpr int kStatusCall = 1581;
inline constexpr int kStatusTxRx = 1582;
inline constexpr int kStatusQuality = 1583;
inline constexpr int kStatusStrength = 1585;
inline constexpr int kStatusSwitch = 1584;
inline constexpr std::array<int, 8> kStatusFields = {
    kStatusBase, kStatusChannel, kStatusType,     kStatusCall,
    kStatusTxRx, kStatusQuality, kStatusStrength, kStatusSwitch};
constexpr int rowTx(int i) { return kFirstRowTx + 2 * i; }
constexpr int rowRx(int i) { return kFirstRowTx + 2 * i + 1; }
}  // namespace base_ids

namespace user_ids {
inline constexpr int kOwnerName = 1056;    // 机主姓名, 19 bytes
inline constexpr int kOwnerText = 1171;    // 机主身份信息, 63 bytes
inline constexpr int kPower5W = 1586;      // 5W (index 0); group 1586
inline constexpr int kPower20W = 1585;     // 20W (index 1)
inline constexpr int kStaticCount = 2068;  // read-only, spin 1602
inline constexpr int kStaticSpin = 1602;
inline constexpr int kFirstStatic = 1587;   // 静态组呼码01 ... 15: 1587 ... 1601
inline constexpr int kDynamicCount = 2069;  // read-only, spin 1603
inline constexpr int kDynamicSpin = 1603;
inline constexpr int kFirstDynamic = 1604;  // 动态组呼码01 ... 15: 1604 ... 1618
inline constexpr int kGroupCodes = 15;
inline constexpr int kResetDelay = 2067;
inline constexpr int kResetButton = 2112;
inline constexpr int kFactoryMode = 2408;  // 出厂模式 (0); group 2408
inline constexpr int kOnlineMode = 1409;   // 连机模式 (1)
inline constexpr int kWorkModeButton = 1113;
inline constexpr int kPowerOn = 1114;   // 开机通知
inline constexpr int kPowerOff = 1115;  // 关机通知
}  // namespace user_ids

namespace sdd_ids {
inline constexpr int kMusterButton = 2048;
inline constexpr int kRollCallButton = 1110;
inline constexpr int kBeaconButton = 2051;
inline constexpr int kBeaconInterval = 2150;
inline constexpr int kBeaconSpin = 2151;
inline constexpr int kMusterInterval = 2148;
inline constexpr int kMusterSpin = 2149;
inline constexpr int kRollCallInterval = 1150;
inline constexpr int kRollCallSpin = 1151;
inline constexpr int kTimedBeacon = 1154;
inline constexpr int kTimedMuster = 1152;
inline constexpr int kTimedRollCall = 1153;
inline constexpr int kRestore = 2056;  // 切换控制: 恢复到前次切换时的频率 (code 0); group 2056
inline constexpr int kSwitch = 2055;       // 切换 (1)
inline constexpr int kResearch = 2057;     // 重新搜索控制信道 (2)
inline constexpr int kByFrequency = 2058;  // 按指定信道频率切换 (3)
// 信道切换状态 radios in code order 0-6; group 1219.
inline constexpr std::array<int, 7> kStates = {1219, 1227, 1228, 1220, 1229, 1230, 1231};
inline constexpr int kChannelNumber = 1609;
inline constexpr int kSpacing25 = 1009;  // group 1009
inline constexpr int kSpacing12_5 = 1010;
inline constexpr int kTxFrequency = 1610;
inline constexpr int kRxFrequency = 1611;
inline constexpr int kSwitchButton = 2065;
}  // namespace sdd_ids

namespace scc_ids {
inline constexpr int kLongitude = 1603;
inline constexpr int kLatitude = 1604;
inline constexpr int kDirection = 1605;
inline constexpr int kSpeed = 1606;
inline constexpr int kGpsWrite = 1054;
inline constexpr int kGpsRead = 1055;
inline constexpr int kCdma = 1607;  // group 1607
inline constexpr int kWz = 1608;
inline constexpr int kAudioOff = 2223;  // group 2223: 关, 开, 振铃开, 振铃关
inline constexpr int kAudioOn = 2224;
inline constexpr int kRingOn = 2225;
inline constexpr int kRingOff = 2226;
inline constexpr int kCdmaButton = 1046;
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
}  // namespace scc_ids

}  // namespace rb::families::wz4040
