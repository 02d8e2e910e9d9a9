// What an LM52R terminal holds when it leaves the factory.
#include <cstdint>

#include "sim/frame96_reply.h"
#include "sim/lm52r_terminal.h"
#include "wire/codecs.h"

namespace rb::sim {

namespace {

constexpr std::uint32_t kFirstTxCode = 16000;  // 4000000 × 100 Hz at 25 kHz spacing
constexpr std::uint32_t kDuplexOffset = 400;   // receive 10 MHz above transmit
constexpr std::uint32_t kIdentity = 1001;
constexpr std::uint16_t kFirstBinding = 3001;
constexpr std::uint16_t kFirstStandbyCode = 2001;
constexpr std::uint16_t kFactoryVox = 300;
constexpr std::uint16_t kFactoryHopLength = 32;
constexpr int kFactoryHopSchemes = 4;

void putU16(wire::Bytes& out, std::uint32_t value) { wire::putU16be(out, value); }

// The factory map of a scheme: the same on every terminal.
wire::Bytes factoryHopValues(int scheme) {
    return seededHopValues(12345u + std::uint32_t(scheme) * 7919u, kFactoryHopLength);
}

}  // namespace

void Lm52rTerminal::storeFactoryContents() {
    setVersion(kFactoryVersion);

    // PTT limit 60 s, standby 10 s; flags: compander, three beeps, bit 6, and the terminal's
    // own bit 4 (binding allowed) and bit 7 (authentication); high power, data port 9600,
    // no parity, 8 data bits, 1 stop bit, air speed 9600, 25 kHz spacing.
    store(0x20, 0, {0x00, 0x01, 60, 10, 0xDF, 0x44, 0x44, 0xCC, 0x03, 0x00, 0x22, 0xAA});

    for (int group = 1; group <= kChannelGroups; ++group) {
        wire::Bytes freq{0x00, std::uint8_t(group)};
        wire::Bytes func{0x00, std::uint8_t(group)};
        for (int k = 0; k < kChannels; ++k) {
            const std::uint32_t tx = kFirstTxCode + std::uint32_t((group - 1) * kChannels + k);
            putU16(freq, tx);
            putU16(freq, tx + kDuplexOffset);
            func.insert(func.end(), {0x80, 0x00, 0x00});  // digital voice, schemes 0
        }
        store(0x14, group, std::move(freq));
        store(0x1C, group, std::move(func));
    }

    store(0x3C, 0, {0x00, 0x01, std::uint8_t(kFactoryVox & 0xFF), std::uint8_t(kFactoryVox >> 8)});

    wire::Bytes identity{0x00, 0x00};
    wire::putU24be(identity, kIdentity);
    wire::putGbkField(identity, "张建国", 19);
    wire::putGbkField(identity, "北京铁路局调度所", 63);
    store(0x50, 0, std::move(identity));

    wire::Bytes bindings{0x00, 0x01};
    for (int k = 0; k < kChannels; ++k) putU16(bindings, kFirstBinding + k);
    store(0x28, 0, std::move(bindings));

    // No relay, standby groups 1-4 selected, category 1, identity as above.
    wire::Bytes standby{0x00, 0x01, 0x00, 0x00, 0x0F, 0x00};
    putU16(standby, kIdentity);
    for (int g = 0; g < kChannels; ++g) putU16(standby, kFirstStandbyCode + g);
    store(0x2C, 0, std::move(standby));

    // Scheme 0 with key parameter 0 and a key word; other schemes read blank.
    wire::Bytes encryption{0x00, 0x01, 0x00, 0x00, 0x00};
    wire::putGbkField(encryption, "88888888", 12);
    store(0x34, 0, std::move(encryption));

    store(0x30, 0, {0x00, 0x01, 0x21, 0x00, 0x00});  // dispatch 1, staff 2, hand-held

    for (int scheme = 0; scheme < kFactoryHopSchemes; ++scheme)
        hopMaps().put(scheme, kFactoryHopLength, factoryHopValues(scheme));
}

}  // namespace rb::sim
