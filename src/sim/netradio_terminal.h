// The network-radio terminal: 9600 baud, 0x96 frames, every answer code = request code + 1.
//
// It keeps each parameter group a write stores as the write's raw payload (frame bytes 4 up to
// the checksum) and answers the matching read with it, so what the tool writes it reads back.
// Groups and their frames (n = whole frame length):
//
//   group          write  n    ack   read  n   answer  kept per
//   common         0x20   17   0x21  0x22  5   0x23    -
//   frequencies    0x14   71   0x15  0x16  7   0x17    -
//   functions      0x18   11   0x19  0x1E  7   0x1F    -       (see below)
//   VOX level      0x3C   9    0x3D  0x3E  7   0x3F    -
//   identity       0x50   92   0x51  0x52  5   0x53    -
//   local numbers  0x44   29   0x45  0x46  5   0x47    -
//   encryption     0x34   22   0x35  0x36  8   0x37    scheme (byte 6)
//   hop map        0x38   m+11 0x39  0x3A  8   0x3B    hop scheme (sim/hop_map_store.h)
//   version        -                   0x99  7   0x9A    read only
//
// How the groups are kept and answered: sim/group_table_terminal.h.
//
// Functions: 0x18 carries the flags in byte 7 (00 01 00 flags 00 00), 0x1F answers them in
// byte 6 (00 01 flags 00 00 00).
//
// The common flags byte (byte 8) is kept whole: bits 5 and 7 (跨组呼叫使能, 鉴权) are the user
// page's, the others the base page's; each page sends the other's back unchanged.
#pragma once

#include <memory>
#include <string>

#include "sim/group_table_terminal.h"

namespace rb::sim {

class NetRadioTerminal : public GroupTableTerminal {
public:
    static constexpr const char* kFamily = "netradio";
    static constexpr const char* kFactoryVersion = "NR-300 V3.05 2009-06-18";

    // A terminal with its factory contents.
    NetRadioTerminal();

    std::string family() const override { return kFamily; }
    std::unique_ptr<Terminal> clone() const override {
        return std::make_unique<NetRadioTerminal>(*this);
    }

private:
    void storeFactoryContents() override;  // netradio_factory.cpp
    // Functions: written in byte 7, answered in byte 6.
    wire::Bytes readPayload(const Group& group, wire::Bytes written) const override;
};

}  // namespace rb::sim
