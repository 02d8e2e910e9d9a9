// CQX710Muster: the second tab ("强制调度类(测试使用)") of the QX-7100 container. It sends the
// dispatcher's forced commands: a muster of 16 ships (0x31) and a roll call of 32 ships (0x32),
// each also repeated on its own timer, a radio reset with a delay (0xA0), the work mode (0xA1)
// and the ship's power-on / power-off time from the PC clock (0xA5). None of them waits for an
// answer: the page has no response timer. The answers 0x41 and 0x42 are only reported.
//
// Its "timer 1" and "timer 2" are the timed muster and the timed roll call. They run on their
// own timer numbers here, so that the engine's response and button timers never mistake them.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "families/dispatch/muster_frames.h"
#include "families/qx710/qx710_page.h"

namespace rb::families::qx710 {

namespace muster_ids {
inline constexpr int kMusterButton = 2048;    // 召集指令
inline constexpr int kRollCallButton = 1110;  // 点名指令
inline constexpr int kMusterInterval = 2148;  // 定时召集 interval (ms)
inline constexpr int kMusterSpin = 2149;
inline constexpr int kRollCallInterval = 1150;  // 定时点名 interval (ms)
inline constexpr int kRollCallSpin = 1151;
inline constexpr int kTimedMuster = 1152;     // 定时召集
inline constexpr int kTimedRollCall = 1153;   // 定时点名
inline constexpr int kResetDelay = 2067;      // 复位延时秒数
inline constexpr int kResetButton = 2112;     // 电台复位
inline constexpr int kFactoryMode = 2408;     // 工作模式: 出厂模式 (0); group 2408
inline constexpr int kOnlineMode = 1409;      // 连机模式 (1)
inline constexpr int kWorkModeButton = 1113;  // 工作模式设置
inline constexpr int kPowerOnTime = 1114;     // 船台开机时间
inline constexpr int kPowerOffTime = 1115;    // 船台关机时间
}  // namespace muster_ids

class CQX710Muster : public Qx710Page {
public:
    static constexpr int kIndex = 1;
    // The page's timer 1 (timed muster) and timer 2 (timed roll call).
    static constexpr int kMusterTimer = 101;
    static constexpr int kRollCallTimer = 102;
    static constexpr int kIntervalMin = 1000;
    static constexpr int kIntervalMax = 10000;

    explicit CQX710Muster(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;

    // The page fields the edits are taken into (only by the muster, roll-call, reset and
    // work-mode sends).
    int musterInterval() const { return musterInterval_; }
    int rollCallInterval() const { return rollCallInterval_; }

protected:
    void OnTimer(int id) override;

private:
    void declareForm();
    // Takes every control value into the page fields.
    void takeFields();
    // A slot that holds no identity refuses the muster or roll call (and stops its timer).
    bool slotsAccepted(const std::optional<std::string>& refusal, int box, int timer);
    void sendMuster(bool timed);
    void sendRollCall(bool timed);
    void sendReset();
    void sendWorkMode();
    void sendPowerTime(bool on);
    void toggleTimed(int box, int timer, const int& interval);
    void sendCommand(const wire::Bytes& frame, bool timed);

    std::array<std::uint32_t, dispatch::kMusterSlots> musterSlots_{};
    std::array<std::uint32_t, dispatch::kRollCallSlots> rollCallSlots_{};
    int musterInterval_ = kIntervalMin;
    int rollCallInterval_ = kIntervalMin;
    int resetDelay_ = 0;
    int workMode_ = 0;
};

}  // namespace rb::families::qx710
