// The QX-7100 ship station: 19200 baud, 0xEA frames.
//
// Base-page groups (n = whole request length). Every write is acknowledged by 0x80 whose
// payload echoes the written command; reads are answered from what was written last:
//
//   0x10  10  identity, authentication, system category      -> 80 10
//   0x11  94  identity, authentication, table version, station type, base-station number,
//             owner name (19), identity text (63)              -> 80 11
//   0x12  22  table page, four rows of TX / RX codes          -> 80 12   (pages 0-63)
//   0x13  10 / count/2+7  alarm binding, identity or telephone -> 80 13
//   0x14   9  点名超时, 脱网超时, 信道保持, PTT 保持            -> 80 14
//   0x15  13  spacing, off-net / default TX / default RX codes, default number -> 80 15
//   0x16  20  encryption, key parameter, key word (12)        -> 80 16
//   0x21   5  -> 0x22 basic parameters (130 payload bytes)
//   0x23   6  page -> 0x24 page, four rows                   (pages outside 0-63: no answer)
//   0x25   5  -> 0x26 status (length 7)
//   0x27   5  -> 0x28 four reserved bytes, version text, zero byte
//   0x29   7  operation (1 = write), power -> 0x2A power
//
// Test commands: a muster 0x31 / roll call 0x32 is answered by 0x41 / 0x42 with its entry
// count; the control commands by 0x80 with the echo the tool reports for them (0xA3 -> 0x51,
// 0xA6 -> 0x52, 0x90 -> 0x53, 0x92 -> 0x54, data 0x96 / 0x97 -> 0x55, mode 0x97 -> 0x56,
// 0xA8 -> 0x57, 0xA9 -> 0x58, 0xA7 -> 0x59, 0x94 -> 0x5A); 0xA0, 0xA1, 0xA2 and 0xA5 by 0x80
// echoing their own command. The prompt-data frame (type 04) and the tool's reply to the
// station's own query (01 00 00 00 20, as 0x96 or 0x55) get no answer. Data frames longer than
// the receiver's 506-byte limit never reach a terminal.
//
// The station's own query is ownQuery(): EA 01 00 96 10 + checksum, which the line sends on its
// own when asked to (radiosim qx710 --own-query MS).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "sim/ea_terminal.h"
#include "sim/terminal.h"

namespace rb::sim {

class Qx710Terminal : public Terminal {
public:
    static constexpr const char* kFamily = "qx710";
    static constexpr int kBaud = 19200;
    static constexpr int kTablePages = 64;
    static constexpr const char* kFactoryVersion = "QX-7100 V1.08 2008-06-18";

    Qx710Terminal();

    std::vector<wire::Bytes> answer(const wire::FrameView& request) override;
    int baud() const override { return kBaud; }
    std::string family() const override { return kFamily; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<Qx710Terminal>(*this);
    }

    void factoryReset();
    // The query the station sends on its own: EA 01 00 96 10 + checksum.
    static wire::Bytes ownQuery();
    wire::Bytes ownFrame() const override { return ownQuery(); }

private:
    wire::Bytes basicAnswer() const;
    wire::Bytes statusAnswer() const;
    wire::Bytes versionAnswer() const;
    bool storeWrite(std::uint8_t code, const wire::Bytes& p, std::size_t lengthField);

    std::uint32_t identity_ = 0;
    std::uint8_t auth_ = 0;
    std::uint8_t category_ = 0;
    std::uint8_t tableVersion_ = 0;
    std::uint8_t stationType_ = 0;
    std::uint8_t baseNumber_ = 0;
    std::uint8_t software_ = 0;
    std::uint8_t defaultNumber_ = 0;
    std::uint8_t spacing_ = 0;
    std::uint16_t offNet_ = 0, defaultTx_ = 0, defaultRx_ = 0;
    std::array<std::uint8_t, 4> timing_{};
    wire::Bytes alarm_;       // 0x13 payload: type, count, up to 7 bytes
    wire::Bytes encryption_;  // 0x16 payload: flag, key (2), key word (12)
    wire::Bytes ownerName_;   // 19 bytes
    wire::Bytes ownerText_;   // 63 bytes
    std::uint8_t power_ = 0x11;
    std::array<std::array<ea::ChannelRow, 4>, kTablePages> table_{};
    std::string version_;
};

}  // namespace rb::sim
