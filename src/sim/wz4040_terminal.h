// The WZ-4040 trunking terminal, also in its LM520W relay variant: 19200 baud, 0xEA frames.
// Reads are answered from what was written last; every write is acknowledged by 0x80 whose
// payload echoes the written command (n = whole request length):
//
//   0x11  14  identity (3), auth, system category, station type, switches, base - 1, channel - 1
//   0x15  16  spacing, default TX / RX, off-net TX / RX, off-net frequency (2 each)
//   0x12  71  table version, page - 1 (0-15), 16 rows of TX / RX codes
//   0x14   9  点名超时, 脱网超时, 信道保持, PTT 保持
//   0x13  10 / L+7  alarm binding: 55 03 identity, or 00 L, L/2 packed digits, L/2 zeros
//   0x16  19  key parameter (2), key word (12)
//   0x18  87  owner name (19), identity text (63)
//   0x29   7  operation 1 (write) with power -> 80 29; operation 0 -> 0x2A power
//   0x17  2(S+D)+6  counts (D x 16 + S), the codes
//
//   0x27 -> 0x28  four reserved bytes, factory text, zero fill
//   0x21 -> 0x22  basic parameters (53 payload bytes)
//   0x23 -> 0x24  table version, page, 16 rows           (pages outside 0-15: no answer)
//   0x25 -> 0x26  status (7 bytes)
//   0x2D -> 0x2E  three reserved bytes, owner name (19), identity text (63)
//   0x2B -> 0x2C  counts, then the codes
//
// Test commands: muster 0x31 / roll call 0x32 are answered by 0x41 / 0x42 with the entry count;
// the GPS read 0xA7 by 0x41 carrying the fix last written with 0xA3; every other command of the
// test pages (0x30, 0xA6, 0xA0, 0xA1, 0xA5, 0xA2, 0xA3, 0x90, 0x92, 0x9B, 0x94, 0x96, 0x99) by
// 0x80 echoing it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "sim/ea_terminal.h"
#include "sim/terminal.h"

namespace rb::sim {

class Wz4040Terminal : public Terminal {
public:
    static constexpr const char* kTrunking = "wz4040";
    static constexpr const char* kRelay = "lm520w";
    static constexpr int kBaud = 19200;
    static constexpr int kTablePages = 16;

    explicit Wz4040Terminal(bool relay = false);

    std::vector<wire::Bytes> answer(const wire::FrameView& request) override;
    int baud() const override { return kBaud; }
    std::string family() const override { return relay_ ? kRelay : kTrunking; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<Wz4040Terminal>(*this);
    }

    void factoryReset();

private:
    bool storeWrite(std::uint8_t code, const wire::Bytes& p);
    wire::Bytes basicAnswer() const;
    wire::Bytes factoryAnswer() const;
    wire::Bytes gpsAnswer() const;

    bool relay_;
    wire::Bytes basic_;        // the 0x11 payload (9 bytes)
    wire::Bytes frequencies_;  // the 0x15 payload (11 bytes)
    std::uint8_t tableVersion_ = 0;
    std::array<std::array<ea::ChannelRow, 16>, kTablePages> table_{};
    std::array<std::uint8_t, 4> timing_{};
    wire::Bytes alarm_;  // the 0x13 payload
    wire::Bytes key_;    // the 0x16 payload (14 bytes)
    wire::Bytes owner_;  // the 0x18 payload (82 bytes)
    std::uint8_t power_ = 0x11;
    wire::Bytes groups_;  // the 0x17 payload
    wire::Bytes fix_;     // the 0xA3 payload (19 bytes)
};

}  // namespace rb::sim
