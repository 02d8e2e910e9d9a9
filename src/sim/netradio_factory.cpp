// What a network radio holds when it leaves the factory. The contents exercise the page's
// decoders: codes 0xFFFF for unused frequencies, 0xFF ending the group-call codes, a GBK owner
// name, a version text, bits of both pages in the common flags byte.
#include <cstdint>

#include "sim/frame96_reply.h"
#include "sim/netradio_terminal.h"
#include "wire/codecs.h"

namespace rb::sim {

namespace {

constexpr std::uint32_t kFirstCode = 16000;  // 4000000 × 100 Hz at 25 kHz spacing
constexpr int kUsedFrequencies = 12;         // 13, 14, 15 and off-net are 0xFFFF
constexpr std::uint8_t kOwnFrequency = 3;
constexpr std::uint16_t kIdentity = 37;  // group 2, number 5
constexpr std::uint16_t kHopLength = 32;
constexpr int kHopSchemes = 4;

// The factory map of a scheme: the same on every terminal.
wire::Bytes factoryHopValues(int scheme) {
    return seededHopValues(4242u + std::uint32_t(scheme) * 104729u, kHopLength);
}

}  // namespace

void NetRadioTerminal::storeFactoryContents() {
    setVersion(kFactoryVersion);

    // PTT limit 30 s, standby 5 s; flags 0xE9: companding, power-on tone, backlight, and the
    // user page's 跨组呼叫使能 (bit 5) and 鉴权 (bit 7); high power, data port 9600, no
    // parity, 8 data bits, 1 stop bit, air speed 9600, 25 kHz spacing.
    store(0x20, 0, {0x00, 0x01, 30, 5, 0xE9, 0x44, 0x44, 0xCC, 0x03, 0x00, 0x22, 0xAA});

    wire::Bytes freq{0x00, kOwnFrequency};
    for (int k = 1; k <= 16; ++k) {
        wire::putU16be(freq, k <= kUsedFrequencies ? kFirstCode + 8 * std::uint32_t(k) : 0xFFFF);
    }
    freq.resize(freq.size() + 28, 0);
    freq.insert(freq.end(), {0xFF, 0xFF, 0xFF, 0xFF});  // frequency 15 and off-net again
    store(0x14, 0, std::move(freq));

    store(0x18, 0, {0x00, 0x01, 0x00, 0xC0, 0x00, 0x00});  // 声控 on
    store(0x3C, 0, {0x00, 0x01, 0x2C, 0x01});              // VOX level 300

    wire::Bytes identity{0x00, 0x00};
    wire::putU24be(identity, kIdentity);
    wire::putGbkField(identity, "李卫东", 19);
    wire::putGbkField(identity, "网络电台 第三中队", 63);
    store(0x50, 0, std::move(identity));

    // Relay on, group 2, number 5; group-call codes 01 = 2, 02 = 5, 03 = 9, then 0xFF.
    wire::Bytes numbers{0x00, 0x01, 0x00};
    wire::putU16be(numbers, kIdentity);
    numbers.insert(numbers.end(), {0xF5, 2, 5, 2, 5, 9});
    numbers.resize(numbers.size() + 13, 0xFF);
    store(0x44, 0, std::move(numbers));

    // Scheme 0 with key parameter 0 and a key word; other schemes read blank.
    wire::Bytes encryption{0x00, 0x01, 0x00, 0x00, 0x00};
    wire::putGbkField(encryption, "12345678", 12);
    store(0x34, 0, std::move(encryption));

    for (int scheme = 0; scheme < kHopSchemes; ++scheme)
        hopMaps().put(scheme, kHopLength, factoryHopValues(scheme));
}

}  // namespace rb::sim
