#include "sim/protest_terminal.h"

#include <algorithm>
#include <cmath>

#include "wire/codecs.h"

namespace rb::sim {

namespace {

constexpr std::uint8_t kLow = 0x22;
constexpr std::uint8_t kHigh = 0x44;
constexpr std::array<std::uint8_t, 6> kRowBytes = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
constexpr std::array<std::uint8_t, 6> kSwitchBytes = {0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5};
constexpr std::array<std::uint8_t, 3> kModels = {0x00, 0xAA, 0x55};
constexpr std::array<std::uint8_t, 3> kPoints = {0x11, 0x22, 0x33};

// One sample in each quality grade: above 230, 211-230, 171-210, 170 and below.
constexpr std::array<ProtestTerminal::Monitor, 4> kSamples = {{
    {258, 772, 231},
    {301, 760, 230},
    {412, 748, 190},
    {655, 731, 120},
}};

// 4000000, 4100000, ... 4400000 (100 Hz units) at 25 kHz: codes 16000 ... 17600; default 4200000.
constexpr std::uint16_t kFirstCode = 16000;
constexpr std::uint16_t kRowStep = 400;

template <std::size_t N>
bool oneOf(const std::array<std::uint8_t, N>& set, std::uint8_t b) {
    return std::find(set.begin(), set.end(), b) != set.end();
}

}  // namespace

ProtestTerminal::ProtestTerminal() { factoryReset(); }

void ProtestTerminal::factoryReset() {
    calibration_.clear();
    // Factory values differ per row and power level, so a read shows which set it got.
    for (std::size_t r = 0; r < kRowBytes.size(); ++r) {
        for (std::uint8_t p : {kLow, kHigh}) {
            Calibration c{};
            for (std::size_t i = 0; i < c.size(); ++i)
                c[i] = std::uint8_t(100 + 20 * r + (p == kHigh ? 10 : 0) + i);
            calibration_[{kRowBytes[r], p}] = c;
        }
    }
    for (std::size_t k = 0; k < 5; ++k) {
        band_[2 * k] = std::uint16_t(kFirstCode + kRowStep * k);
        band_[2 * k + 1] = std::uint16_t(kFirstCode + kRowStep * k);
    }
    band_[10] = band_[11] = std::uint16_t(kFirstCode + 2 * kRowStep);
    tunedRow_ = 0;
    tunedTx_ = tunedRx_ = 0;
    model_ = 0;
    transmitting_ = false;
    fieldPoints_.clear();
    machineType_ = 0x11;
    machineCode_ = 810001;
    version_ = kFactoryVersion;
    fixedMonitor_.reset();
    monitorSample_ = 0;
    forcedRow_.reset();
    dataRequests_.clear();
    fixtureRunning_ = false;
}

ProtestTerminal::Calibration ProtestTerminal::calibration(std::uint8_t rowByte,
                                                          std::uint8_t powerByte) const {
    auto it = calibration_.find({rowByte, powerByte});
    return it == calibration_.end() ? Calibration{} : it->second;
}

void ProtestTerminal::setCalibration(std::uint8_t rowByte, std::uint8_t powerByte,
                                     const Calibration& values) {
    calibration_[{rowByte, powerByte}] = values;
}

std::vector<wire::Bytes> ProtestTerminal::ack(const wire::FrameView& request,
                                              std::uint8_t code) const {
    return {wire::frame96(code, {request[4], request[5]})};
}

ProtestTerminal::Monitor ProtestTerminal::nextMonitor() {
    if (fixedMonitor_) return *fixedMonitor_;
    const Monitor m = kSamples[monitorSample_];
    monitorSample_ = (monitorSample_ + 1) % kSamples.size();
    return m;
}

std::vector<wire::Bytes> ProtestTerminal::answer(const wire::FrameView& f) {
    if (f.lead() != wire::kLead96) return {};
    const std::size_t n = f.size();
    switch (f.code()) {
        case 0x10:
            if (n != 12 || !oneOf(kSwitchBytes, f[6])) return {};
            tunedRow_ = f[6];
            tunedTx_ = f.u16be(7);
            tunedRx_ = f.u16be(9);
            return ack(f, 0x11);
        case 0x91: {
            if (n != 17 || !oneOf(kRowBytes, f[15]) || (f[14] != kLow && f[14] != kHigh)) return {};
            Calibration c{};
            for (std::size_t i = 0; i < c.size(); ++i) c[i] = f[6 + i];
            calibration_[{f[15], f[14]}] = c;
            return ack(f, 0x92);
        }
        case 0x93: {
            if (n != 9 || !oneOf(kRowBytes, f[7]) || (f[6] != kLow && f[6] != kHigh)) return {};
            const Calibration c = calibration(f[7], f[6]);
            wire::Bytes p = {f[4], f[5]};
            p.insert(p.end(), c.begin(), c.end());
            p.push_back(f[6]);
            p.push_back(forcedRow_.value_or(f[7]));
            forcedRow_.reset();
            return {wire::frame96(0x94, p)};
        }
        case 0x9B:
            if (n != 31) return {};
            for (std::size_t k = 0; k < band_.size(); ++k) band_[k] = f.u16be(6 + 2 * k);
            return ack(f, 0x9C);
        case 0x9D: {
            if (n != 7) return {};
            wire::Bytes p = {f[4], f[5]};
            for (std::uint16_t code : band_) wire::putU16be(p, code);
            return {wire::frame96(0x9E, p)};
        }
        case 0x95: {
            if (n != 7) return {};
            const Monitor m = nextMonitor();
            wire::Bytes p = {f[4], f[5]};
            wire::putU16be(p, m.voltage);
            wire::putU16be(p, m.supply);
            p.push_back(m.quality);
            return {wire::frame96(0x96, p)};
        }
        case 0x97:
            if (n != 9 || !oneOf(kModels, f[6]) || (f[7] != 0x55 && f[7] != 0x00)) return {};
            model_ = f[6];
            transmitting_ = f[7] == 0x55;
            return ack(f, 0x98);
        case 0xA0:
            if (n != 8 || !oneOf(kPoints, f[6])) return {};
            fieldPoints_.push_back(f[6]);
            return ack(f, 0xA1);
        case 0x9F:
            if (n != 11) return {};
            machineType_ = f[6];
            machineCode_ = f.u24be(7);
            return ack(f, 0x90);
        case 0x99: {
            if (n != 7) return {};
            wire::Bytes p = {f[4], f[5], machineType_};
            wire::putU24be(p, machineCode_);
            p.insert(p.end(), version_.begin(), version_.end());
            p.push_back(0);  // ends the text before the checksum
            return {wire::frame96(0x9A, p)};
        }
        case 0xA2:
            return answerData(f);
        default:
            return {};
    }
}

void ProtestTerminal::setBitErrors(double rate, std::uint32_t seed) {
    bitErrorRate_ = std::clamp(rate, 0.0, 1.0);
    bitErrors_.seed(seed);
}

wire::Bytes ProtestTerminal::dataAnswer(wire::Bytes data) {
    int flipped = 0;
    if (bitErrorRate_ > 0.0) {
        std::bernoulli_distribution flip(bitErrorRate_);
        for (std::uint8_t& b : data) {
            for (int bit = 0; bit < 8; ++bit) {
                if (flip(bitErrors_)) {
                    b = std::uint8_t(b ^ (1u << bit));
                    ++flipped;
                }
            }
        }
    }
    // The quality falls with the share of wrong bits: 255 clean, 0 at one bit in eight wrong.
    const double share = data.empty() ? 0.0 : double(flipped) / double(data.size() * 8);
    const int q = std::clamp(int(std::lround(255.0 * (1.0 - share * 8.0))), 0, 255);
    wire::Bytes p = {0x00, 0x01, std::uint8_t(q)};
    p.insert(p.end(), data.begin(), data.end());
    return wire::frame96(0xA3, p);
}

std::vector<wire::Bytes> ProtestTerminal::answerData(const wire::FrameView& f) {
    const std::size_t n = f.size();
    if (n < 8 || f[1] + 2u != n) return {};
    const std::uint8_t mode = f[6];
    wire::Bytes data(f.data() + 7, f.data() + (n - 1));
    dataRequests_.push_back({mode, data});
    if (dataRequests_.size() > kKeptDataRequests) dataRequests_.erase(dataRequests_.begin());
    if (dataSilent_) return {};
    switch (mode) {
        case 0x00:
            fixtureRunning_ = false;
            return {};
        case 0x01: {
            fixtureRunning_ = true;
            const wire::Bytes pattern(kTestPattern,
                                      kTestPattern + std::char_traits<char>::length(kTestPattern));
            std::vector<wire::Bytes> out;
            out.reserve(std::size_t(kPatternBurst));
            for (int i = 0; i < kPatternBurst; ++i) out.push_back(dataAnswer(pattern));
            return out;
        }
        case 0x02:
        case 0x03:
            return {dataAnswer(std::move(data))};
        default:
            return {};
    }
}

}  // namespace rb::sim
