// What a train / flat dispatch station holds when it leaves the factory.
#include "sim/train_terminal.h"
#include "wire/codecs.h"

namespace rb::sim {

namespace {
constexpr std::uint32_t kFirstTx = 4000000 * 10;  // 400.0000 MHz in 10 Hz units
constexpr std::uint32_t kChannelSpacing = 2500;   // 25 kHz
constexpr std::uint32_t kDuplexOffset = 1000000;  // receive 10 MHz above
}  // namespace

void TrainTerminal::storeFactoryContents() {
    version_ = kFactoryVersion;

    // PTT limit 60 s, standby 10 s; flags: compander, the three tones, bit 6 and the
    // authentication bit 7; high power, data port 9600, no parity, 8 data bits, 1 stop bit,
    // air speed 9600, 25 kHz spacing.
    stored_[0x20] = {0x00, 0x01, 60, 10, 0xCF, 0x44, 0x44, 0xCC, 0x03, 0x00, 0x22, 0xAA};
    stored_[0x78] = {0x00, 0x00, 127};  // custom power level 128 on the track bar

    wire::Bytes identity{0x00, 0x00};
    wire::putU24be(identity, 3 << 8 | 5);
    wire::putGbkField(identity, "王建军", 19);
    wire::putGbkField(identity, "郑州铁路局机务段", 63);
    stored_[0x50] = std::move(identity);

    stored_[0x70] = {0x00, 0x01, 3, 5, 0x00, 0x00};  // 调号 3, 编号 5, 手持台, channel 1

    wire::Bytes keys{0x00, 0x01};
    for (std::uint32_t ms : {1200u, 500u, 6000u}) wire::putU16be(keys, ms);
    for (int k = 0; k < 21; ++k) keys.push_back(k % 3 == 0 ? 0xC0 : k % 3 == 1 ? 0x80 : 0x00);
    stored_[0x74] = std::move(keys);

    for (int g = 0; g < kChannelGroups; ++g) {
        for (int k = 0; k < kChannels; ++k) {
            const std::uint32_t tx = kFirstTx + kChannelSpacing * std::uint32_t(g * kChannels + k);
            groups_[std::size_t(g)].tx[std::size_t(k)] = tx;
            groups_[std::size_t(g)].rx[std::size_t(k)] = tx + kDuplexOffset;
        }
        wire::Bytes& f = functions_[std::size_t(g)];
        for (int k = 0; k < kChannels; ++k) f.insert(f.end(), {0x80, 0x00, 0x00});
    }
}

}  // namespace rb::sim
