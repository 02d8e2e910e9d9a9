// CWZ4040User: the second tab ("用户信息") of the trunking container. It reads and writes the
// owner's name and identity text, the transmit power and the static and dynamic group-call
// codes, and sends three auxiliary commands at once: radio reset with a delay (0xA0), work mode
// (0xA1) and the power-on / power-off notification with the PC's clock (0xA5).
//
// Read chain:  0x2D -> 0x2E, 0x29 (read) -> 0x2A, 0x2B -> 0x2C
// Write chain: 0x18, 0x29 (write), 0x17, each acknowledged by 0x80 echoing it
#pragma once

#include "families/wz4040/wz4040_codes.h"
#include "families/wz4040/wz4040_user_ids.h"

namespace rb::families::wz4040 {

class CWZ4040User : public eapages::EaPage {
public:
    static constexpr int kIndex = 1;

    explicit CWZ4040User(engine::Session& session);

    void OnFrame(const wire::FrameView& frame) override;
    bool hasReadChain() const override { return true; }
    bool hasWriteChain() const override { return true; }
    // The checks of the three write steps (0x18, 0x29, 0x17) before the first frame.
    bool precheckWrite() override;

protected:
    void resetFields() override;
    void sendFirstRead() override;
    void sendFirstWrite() override;

private:
    void declareForm();
    // Group-code edit k (1-15) of a list is enabled exactly when the list's count is k or more.
    void applyCounts();
    int staticCount() const;
    int dynamicCount() const;

    void requestPower(bool write);  // 0x29
    bool checkOwner();              // 0x18: both texts fit their GBK fields
    bool checkGroups();             // 0x17: counts 0-15, codes 0-65535
    void writeGroups();             // 0x17
    void sendReset();               // 0xA0
    void sendWorkMode();            // 0xA1
    void sendPowerNotice(bool on);  // 0xA5
};

}  // namespace rb::families::wz4040
