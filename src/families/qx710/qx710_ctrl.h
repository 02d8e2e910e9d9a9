// CQX710Ctrl: the third tab ("业务控制类(测试使用)") of the QX-7100 container, a bench of single
// commands that make the station act: GPS test pattern (0xA3), channel switch (0xA6), voice
// call (0x90), transparent-data mode (0x97) and data (0x96 / 0x97, once or repeated on timer 2),
// regrouping (0xA8 / 0xA9), channel teardown (0xA7), CDMA/WZ selection (0xA2), call allocation
// (0x92) and a directed ship-station call (0x94). Each button sends one frame at once; there is
// no read or write chain, no reset and no file.
//
// The page's timer 2 is the repeated-data timer (3000 ms at creation, then the 数传间隔 of each
// tick); it runs on its own timer number so that the engine's button timer never stops it.
#pragma once

#include "families/qx710/qx710_page.h"
#include "families/qx710/qx710_state.h"

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
inline constexpr int kAudioOff = 2223;        // 音频控制: 关 (0); group 2223
inline constexpr int kAudioOn = 2224;         // 开 (1)
inline constexpr int kRingOn = 2225;          // 振铃开 (2)
inline constexpr int kRingOff = 2226;         // 振铃关 (3)
inline constexpr int kCdmaButton = 1046;      // CDMA/WZ选择
inline constexpr int kAllocateButton = 1045;  // 呼叫分配
inline constexpr int kTeardownButton = 2044;  // 强拆信道
inline constexpr int kShipIdentity = 2011;    // 船台身份码
inline constexpr int kShipControl = 2406;     // 控制类型 combo (指定船台呼叫)
inline constexpr int kShipCallButton = 3047;  // 船台呼叫
}  // namespace ctrl_ids

class CQX710Ctrl : public Qx710Page {
public:
    static constexpr int kIndex = 2;
    static constexpr int kRepeatTimer = 102;  // the page's timer 2 (repeated data)
    static constexpr int kMaxData = 1000;     // data bytes one 发送数传 frame carries

    CQX710Ctrl(engine::Session& session, Qx710State& state);

    void OnFrame(const wire::FrameView& frame) override;

protected:
    void OnTimer(int id) override;

private:
    void declareForm();
    void bindControls();

    void sendGps();
    void sendSwitch();
    void sendCall();
    void sendMode();
    void sendData();
    void sendPrompt();
    void sendRegroup();
    void sendUngroup();
    void sendTeardown();
    void sendCdma();
    void sendAllocate();
    void sendShipCall();
    void repeatTick();

    // Checks shared by the commands (and the repeated data) that send these fields.
    bool checkTarget();  // 目标身份码: not empty, 0-262143
    bool checkData();    // 透明数据: not empty, every character GBK
    bool checkGroup();   // 组呼码: not empty, 0-999999

    // Frames built from the controls.
    std::uint8_t dataCommand() const;  // 0x97 when 0x97协议 is ticked, else 0x96
    wire::Bytes dataFrame(std::uint8_t type) const;
    wire::Bytes promptFrame() const;
    void command(const wire::Bytes& frame);  // timer 1, status part 2 cleared

    // The echo the command sent last is acknowledged with, and that command's code.
    Qx710State& state_;
    std::uint8_t awaitedEcho_ = 0;
    std::uint8_t awaitedCode_ = 0;
};

}  // namespace rb::families::qx710
