// EncryptionHopPage: the user page of the LM52R and the network radio, with the two groups
// both have beside their read and write chains, each with buttons of its own:
//   - encryption (common96/encryption_group.h): "设置" 0x34 -> 0x35, "读取" 0x36 -> 0x37;
//   - the hop map (families/hopmap): "读取" 0x3A -> 0x3B chunks, "设置" 0x38 chunks, each
//     acknowledged by 0x39 within timer 3 before the next goes out.
// The hop-map frames are matched by the sender and the read answers, not by the page's last
// request: a read's time-out may have come in between.
#pragma once

#include <string>

#include "families/common96/identity_page.h"
#include "families/hopmap/hop_frames.h"
#include "families/hopmap/hop_map_group.h"
#include "families/hopmap/hop_sender.h"

namespace rb::families::common96 {

class EncryptionHopPage : public IdentityPage {
public:
    hopmap::HopMapGroup& hopMap() { return hopMap_; }
    const hopmap::HopMapGroup& hopMap() const { return hopMap_; }
    bool hopTransferRunning() const { return sender_.running(); }
    bool transferInProgress() const override { return sender_.running(); }

    // Encryption "设置" / "读取" and hop map "读取" / "设置".
    void OnEncryptSet();
    void OnEncryptRead();
    void OnHopRead();
    void OnHopSet();

protected:
    // Where the two families' pages differ.
    struct HopOptions {
        // The message "设置" shows when there is no map to send; null: it sends and shows nothing.
        const char* noMapMessage = nullptr;
        // A chunk read back also selects its scheme and map length in the lists.
        bool showAnswerHeader = false;
    };
    EncryptionHopPage(engine::Session& session, int index, HopOptions options);

    // The encryption controls and the hop map's, with their opening values.
    void declareEncryptionHop();
    // The encryption group's box, titled `title`, for the page's layout.
    engine::LayoutItem encryptionLayout(const std::string& title) const;
    // The buttons of both groups, the key-word guard and the key-parameter clamp.
    void bindEncryptionHop();

    // A hop-map acknowledgement or chunk read back: handled, and true.
    bool takeHopFrame(const wire::FrameView& f);
    // An encryption answer (0x35, 0x37) the page's takeAnswer accepted: handled, and true.
    bool takeEncryptionAnswer(const wire::FrameView& f);

    void OnTimer(int id) override;  // timer 3: a hop-map chunk went unanswered

private:
    void sendHopChunk(const wire::Bytes& frame);  // timer 3, no response timer
    void onHopAck(const wire::FrameView& f);
    void onHopChunk(const wire::FrameView& f);
    void onEncryption(const wire::FrameView& f);

    HopOptions options_;
    hopmap::HopMapGroup hopMap_;
    hopmap::HopSender sender_;
    hopmap::HopReadAnswers hopReads_;
};

}  // namespace rb::families::common96
