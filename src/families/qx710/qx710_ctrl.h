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

#include "families/eapages/ea_page.h"
#include "families/qx710/qx710_ctrl_ids.h"
#include "families/qx710/qx710_state.h"

namespace rb::families::qx710 {

class CQX710Ctrl : public eapages::EaPage {
public:
    static constexpr int kIndex = 2;
    static constexpr int kRepeatTimer = 102;  // the page's timer 2 (repeated data)
    static constexpr int kMaxData = 1000;     // data bytes one 发送数传 frame carries

    CQX710Ctrl(engine::Session& session, Qx710State& state);

    void OnFrame(const wire::FrameView& frame) override;

protected:
    void OnTimer(int id) override;

private:
    void declareForm();  // qx710_ctrl_form.cpp
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
    // Sends a command whose acknowledgement the page then waits for: by default with timer 1
    // and status part 2 cleared.
    void sendAwaited(const wire::Bytes& frame, const SendOptions& options = SendOptions{});

    // The echo the command sent last is acknowledged with, and that command's code.
    Qx710State& state_;
    std::uint8_t awaitedEcho_ = 0;
    std::uint8_t awaitedCode_ = 0;
};

}  // namespace rb::families::qx710
