// CWZ4040Ctrl: the fourth tab ("业务控制类(测试使用)") of the trunking container. Single trunking
// service commands at the press of a button: write (0xA3) and read (0xA7) a GPS fix, CDMA/WZ
// selection with audio control (0xA2), a voice call (0x90), a directed ship-station call (0x92),
// channel teardown (0x9B), call allocation (0x94), transparent data (0x96) and service dispatch
// (0x99). None arms a response timer; only the GPS answer 0x41 is decoded.
#pragma once

#include "families/wz4040/wz4040_codes.h"
#include "families/wz4040/wz4040_ctrl_ids.h"

namespace rb::families::wz4040 {

class CWZ4040Ctrl : public eapages::EaPage {
public:
    static constexpr int kIndex = 3;
    static constexpr int kMaxDataChars = 500;

    explicit CWZ4040Ctrl(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;

private:
    void declareForm();
    // An identity field: empty (sent as 0) or 0-0x3FFFF; a telephone number: at most 254
    // digits (its padded count is one byte). Refused with a message naming the field.
    bool checkIdentity(int id, const char* field);
    bool checkPhone(int id, const char* field);
    void sendGps();
    void sendCdma();
    void sendCall();
    void sendDirected();
    void sendAllocation();
    void sendData();
    void sendService();
};

}  // namespace rb::families::wz4040
