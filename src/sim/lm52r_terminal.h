// The LM52R/LM520 terminal: 9600 baud, 0x96 frames, every answer code = request code + 1.
//
// It keeps each parameter group a write stores as the write's raw payload (frame bytes 4 up to
// the checksum) and answers the matching read with that same payload, so what the tool writes
// it reads back byte for byte. Groups and their frames (n = whole frame length):
//
//   group          write  n    ack   read  n   answer  kept per
//   common         0x20   17   0x21  0x22  5   0x23    -
//   frequencies    0x14   71   0x15  0x16  7   0x17    channel group 1..10 (bytes 4-5)
//   functions      0x1C   55   0x1D  0x1E  7   0x1F    channel group 1..10 (bytes 4-5)
//   VOX level      0x3C   9    0x3D  0x3E  7   0x3F    -
//   identity       0x50   92   0x51  0x52  5   0x53    -
//   bindings       0x28   39   0x29  0x2A  5   0x2B    -
//   standby groups 0x2C   45   0x2D  0x2E  5   0x2F    -
//   encryption     0x34   22   0x35  0x36  8   0x37    scheme (byte 6)
//   train dispatch 0x30   10   0x31  0x32  7   0x33    -
//   hop map        0x38   m+11 0x39  0x3A  8   0x3B    hop scheme (byte 6), see below
//   version        -                   0x99  7   0x9A    read only
//
// A write acknowledgement carries the write's bytes 4-5 (0x39 also its scheme and chunk
// number). A write whose length differs from its layout, a channel group outside 1..10 and any
// other command code get no answer. A read longer than its layout is answered (the extra bytes
// are ignored).
//
// The common-parameter flags byte (byte 8) is kept whole: bits 4, 5 and 7 are the terminal's
// own (binding allowed, all standby groups valid, authentication); the base page sends them
// back unchanged and the user page sets them.
//
// Hop maps: kept and answered as sim/hop_map_store.h describes.
//
// Version: 0x9A = 00 01, four reserved bytes, the ASCII version text (from frame byte 10) and a
// closing zero byte before the checksum.
//
// To give a test a particular terminal state, write the group through answer() like the tool.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sim/hop_map_store.h"
#include "sim/terminal.h"

namespace rb::sim {

class Lm52rTerminal : public Terminal {
public:
    static constexpr const char* kFamily = "lm52r";
    static constexpr int kBaud = 9600;
    static constexpr int kChannelGroups = 10;
    static constexpr int kChannels = 16;
    static constexpr std::size_t kHopChunkValues = 112;
    static constexpr std::size_t kMaxHopValues = 256;
    // Text of the 0x9A answer of a terminal fresh from the factory.
    static constexpr const char* kFactoryVersion = "LM52R V2.13 2008-08-11";

    // A terminal with its factory contents.
    Lm52rTerminal();

    std::vector<wire::Bytes> answer(const wire::FrameView& request) override;
    int baud() const override { return kBaud; }
    std::string family() const override { return kFamily; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<Lm52rTerminal>(*this);
    }

    // Forgets everything written and restores the factory contents.
    void factoryReset();

    // How a group is told apart from its siblings in a frame.
    enum class Key { None, ChannelGroup, Scheme };
    // One parameter group: its write and read requests (code and whole frame length).
    struct Group {
        const char* name;
        std::uint8_t writeCode;
        std::size_t writeLength;
        std::uint8_t readCode;
        std::size_t readLength;
        Key key;
    };

private:
    std::vector<wire::Bytes> answerWrite(const Group& group, const wire::FrameView& request);
    std::vector<wire::Bytes> answerRead(const Group& group, const wire::FrameView& request);
    std::vector<wire::Bytes> answerVersion(const wire::FrameView& request);

    // Factory contents (lm52r_factory.cpp).
    void storeFactoryContents();
    void store(std::uint8_t writeCode, int key, wire::Bytes payload);

    // Written payloads by (write code, key); key 0 where the group has none.
    std::map<std::pair<std::uint8_t, int>, wire::Bytes> stored_;
    HopMapStore hopMaps_;
    std::string version_;
};

}  // namespace rb::sim
