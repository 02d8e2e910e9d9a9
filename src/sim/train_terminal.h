// The train / flat dispatch station: 9600 baud, 0x96 frames, every answer code = request code + 1.
//
// Groups and their frames (n = whole frame length):
//
//   group          write  n        ack   read  n  answer  kept per
//   public params  0x20   17       0x21  0x22  5  0x23    -
//   frequencies    0x14   71/103   0x15  0x16  7  0x17    channel group 1..8 (bytes 4-5)
//   functions      0x1C   55       0x1D  0x1E  7  0x1F    channel group 1..8 (bytes 4-5)
//   custom power   0x78   8        0x79  0x7A  7  0x7B    -
//   identity       0x50   92       0x51  0x52  5  0x53    -
//   dispatch       0x70   11       0x71  0x72  8  0x73    -
//   keys           0x74   34       0x75  0x76  7  0x77    -
//   version        -                     0x99  7  0x9A    read only
//
// Frequencies: the station keeps each channel's frequency, not the code. Byte 15 of the public
// parameters is its spacing (0x66 = 6.25 kHz, 0x55 = 12.5 kHz, else 25 kHz); a frequency write
// must have the layout of that spacing (71 bytes with 2-byte codes, 103 with 3-byte codes at
// 6.25 kHz) and a read is answered in it, code = frequency / step, so what was written at one
// spacing reads back at another as the nearest lower channel.
//
// A write acknowledgement carries the write's bytes 4-5. A write of another length than its
// layout, a channel group outside 1..8 and any other command get no answer. The dispatch read
// names a channel (byte 6) but the station keeps one set: the answer carries what was written
// last, channel included.
//
// Version: as sim/frame96_reply.h answers it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/terminal.h"

namespace rb::sim {

class TrainTerminal : public Terminal {
public:
    static constexpr const char* kFamily = "train";
    static constexpr int kBaud = 9600;
    static constexpr int kChannelGroups = 8;
    static constexpr int kChannels = 16;
    static constexpr const char* kFactoryVersion = "TRAIN-DS V1.05 2009-03-20";

    TrainTerminal();

    std::vector<wire::Bytes> answer(const wire::FrameView& request) override;
    int baud() const override { return kBaud; }
    std::string family() const override { return kFamily; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<TrainTerminal>(*this);
    }

    void factoryReset();

private:
    // Frequencies in 10 Hz units (a 6.25 kHz step is 625 of them): exact at every spacing.
    struct ChannelGroup {
        std::array<std::uint32_t, kChannels> tx{};
        std::array<std::uint32_t, kChannels> rx{};
    };

    std::vector<wire::Bytes> answerFrequencyWrite(const wire::FrameView& request);
    std::vector<wire::Bytes> answerFrequencyRead(const wire::FrameView& request);
    std::vector<wire::Bytes> answerFunctionWrite(const wire::FrameView& request);
    std::vector<wire::Bytes> answerFunctionRead(const wire::FrameView& request);
    // The 10 Hz units of one channel step at the current spacing.
    std::uint32_t stepUnits() const;

    void storeFactoryContents();  // train_factory.cpp

    // Plain groups: payload (frame bytes 4 .. n-2) of the last write, by write code.
    std::map<std::uint8_t, wire::Bytes> stored_;
    std::array<ChannelGroup, kChannelGroups> groups_{};
    std::array<wire::Bytes, kChannelGroups> functions_{};  // 48 bytes each: 16 x (F, 0, 0)
    std::string version_;
};

}  // namespace rb::sim
