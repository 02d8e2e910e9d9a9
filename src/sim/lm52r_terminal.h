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
// How the groups are kept and answered: sim/group_table_terminal.h (0x39 also carries the
// chunk's scheme and number).
//
// The common-parameter flags byte (byte 8) is kept whole: bits 4, 5 and 7 are the terminal's
// own (binding allowed, all standby groups valid, authentication); the base page sends them
// back unchanged and the user page sets them.
//
// To give a test a particular terminal state, write the group through answer() like the tool.
#pragma once

#include <memory>
#include <string>

#include "sim/group_table_terminal.h"

namespace rb::sim {

class Lm52rTerminal : public GroupTableTerminal {
public:
    static constexpr const char* kFamily = "lm52r";
    static constexpr int kChannelGroups = 10;
    static constexpr int kChannels = 16;
    static constexpr std::size_t kHopChunkValues = 112;
    static constexpr std::size_t kMaxHopValues = 256;
    // Text of the 0x9A answer of a terminal fresh from the factory.
    static constexpr const char* kFactoryVersion = "LM52R V2.13 2008-08-11";

    // A terminal with its factory contents.
    Lm52rTerminal();

    std::string family() const override { return kFamily; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<Lm52rTerminal>(*this);
    }

private:
    void storeFactoryContents() override;  // lm52r_factory.cpp
};

}  // namespace rb::sim
