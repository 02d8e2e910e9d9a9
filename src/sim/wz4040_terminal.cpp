#include "sim/wz4040_terminal.h"

#include <algorithm>

#include "sim/ea_terminal.h"
#include "wire/codecs.h"

namespace rb::sim {

namespace {

using ea::ack;
using ea::field;

constexpr std::uint8_t kHardware = 0x13;  // 1.3
constexpr std::uint8_t kSoftware = 0x21;  // 2.1
constexpr const char* kTrunkingText = "WZ-4040 V2.03 2009-02-16";
constexpr const char* kRelayText = "LM520W V1.05 2009-01-08";

bool isTestCommand(std::uint8_t code) {
    switch (code) {
        case 0x30:
        case 0xA0:
        case 0xA1:
        case 0xA2:
        case 0xA3:
        case 0xA5:
        case 0xA6:
        case 0x90:
        case 0x92:
        case 0x94:
        case 0x96:
        case 0x99:
        case 0x9B:
            return true;
        default:
            return false;
    }
}

}  // namespace

Wz4040Terminal::Wz4040Terminal(bool relay) : relay_(relay) { factoryReset(); }

void Wz4040Terminal::factoryReset() {
    basic_.clear();
    // The relay variant holds a 16-bit identity.
    wire::putU24be(basic_, relay_ ? 30001 : 100001);
    // 鉴权, 浙江海监系统, 业务调度台, 自动搜索 + 信标, base station 3, channel 5.
    basic_.insert(basic_.end(), {0x01, 0x01, 0xAA, 0x05, 0x02, 0x04});
    frequencies_ = {0x00};  // 25 kHz
    for (std::uint16_t code : {16000, 16400, 16010, 16410, 16020})
        wire::putU16be(frequencies_, code);
    tableVersion_ = 0x12;
    for (int page = 0; page < kTablePages; ++page) {
        for (int r = 0; r < 16; ++r) {
            const auto tx = std::uint16_t(16000 + page * 16 + r);
            table_[std::size_t(page)][std::size_t(r)] = ea::ChannelRow{tx, std::uint16_t(tx + 400)};
        }
    }
    timing_ = {5, 1, 15, 60};
    alarm_ = {0x55, 0x03};
    wire::putU24be(alarm_, 2001);
    key_ = {0x00, 0x00};
    wire::putGbkField(key_, "haijian", 12);
    owner_.clear();
    wire::putGbkField(owner_, "陈海生", 19);
    wire::putGbkField(owner_, "浙江省温州市海监支队", 63);
    power_ = 0x11;
    groups_ = {0x12};  // two static codes, one dynamic
    for (std::uint16_t code : {4097, 4098, 8193}) wire::putU16be(groups_, code);
    fix_ = {0x09, 0x02, 0x10, 0x08, 0x00, 0x00, 0x00};
    wire::putU24be(fix_, 0x4926F6);  // 122.729031
    fix_.push_back(0xC6);
    wire::putU24be(fix_, 0x0DC85C);  // 23.123456
    fix_.push_back(0x00);
    fix_.insert(fix_.end(), {0x70, 0x30, 0x5D, 0x0C});  // 179.5 degrees, 9.3
}

std::vector<wire::Bytes> Wz4040Terminal::answer(const wire::FrameView& f) {
    if (f.lead() != wire::kLeadEA) return {};
    const std::uint8_t code = f.code();
    const wire::Bytes p = ea::payloadOf(f);
    if (p.size() != f.u16le(1)) return {};
    switch (code) {
        case 0x27:
            return {factoryAnswer()};
        case 0x21:
            return {basicAnswer()};
        case 0x23: {
            if (p.size() != 1 || p[0] >= kTablePages) return {};
            wire::Bytes out{tableVersion_, p[0]};
            ea::putRows(out, table_[p[0]]);
            return {wire::frameEA(0x24, out)};
        }
        case 0x25:
            // Base station 3, channel 5, the station type, no call, idle, quality 5 with field
            // strength 6, no channel switch.
            return {wire::frameEA(0x26, {basic_[7], basic_[8], basic_[5], 0x00, 0x00, 0x2E, 0x00})};
        case 0x2D: {
            wire::Bytes out{0x00, 0x00, 0x00};
            out.insert(out.end(), owner_.begin(), owner_.end());
            return {wire::frameEA(0x2E, out)};
        }
        case 0x29:
            if (p.size() != 2) return {};
            if (p[0] == 1) {
                power_ = p[1];
                return {ack(0x29)};
            }
            return {wire::frameEA(0x2A, {power_})};
        case 0x2B:
            return {wire::frameEA(0x2C, groups_)};
        case 0x31:
        case 0x32:
            if (const auto a = ea::musterAnswer(code, p)) return {*a};
            return {};
        case 0xA7:
            return {gpsAnswer()};
        default:
            break;
    }
    if (storeWrite(code, p)) return {ack(code)};
    if (isTestCommand(code)) {
        if (code == 0xA3 && p.size() == 19) fix_ = p;
        return {ack(code)};
    }
    return {};
}

bool Wz4040Terminal::storeWrite(std::uint8_t code, const wire::Bytes& p) {
    switch (code) {
        case 0x11:
            if (p.size() != 9) return false;
            basic_ = p;
            return true;
        case 0x15:
            if (p.size() != 11) return false;
            frequencies_ = p;
            return true;
        case 0x12:
            if (p.size() != 66 || p[1] >= kTablePages) return false;
            tableVersion_ = p[0];
            ea::takeRows(table_[p[1]], p, 2);
            return true;
        case 0x14:
            if (p.size() != 4) return false;
            std::copy_n(p.begin(), 4, timing_.begin());
            return true;
        case 0x13:
            if (p.size() < 2) return false;
            if (p[0] == 0x55 && p.size() != 5) return false;
            if (p[0] != 0x55 && p.size() != std::size_t(p[1]) + 2) return false;
            alarm_ = p;
            return true;
        case 0x16:
            if (p.size() != 14) return false;
            key_ = p;
            return true;
        case 0x18:
            if (p.size() != 82) return false;
            owner_ = p;
            return true;
        case 0x17: {
            if (p.empty()) return false;
            const std::size_t codes = std::size_t(p[0] >> 4) + (p[0] & 0x0F);
            if (p.size() != 1 + 2 * codes) return false;
            groups_ = p;
            return true;
        }
        default:
            return false;
    }
}

wire::Bytes Wz4040Terminal::basicAnswer() const {
    wire::Bytes p = field(basic_, 0, 5);                          // [0..4] identity, auth, category
    p.push_back(basic_[5]);                                       // [5] station type
    p.push_back(basic_[6]);                                       // [6] switches
    p.push_back(basic_[7]);                                       // [7] base station - 1
    p.push_back(basic_[8]);                                       // [8] channel - 1
    p.push_back(kHardware);                                       // [9]
    p.push_back(kSoftware);                                       // [10]
    p.push_back(tableVersion_);                                   // [11]
    p.insert(p.end(), frequencies_.begin(), frequencies_.end());  // [12] spacing, [13..22]
    p.insert(p.end(), timing_.begin(), timing_.end());            // [23..26]
    // [27] alarm type, [28] count, [29..38] identity or packed digits.
    const wire::Bytes alarm = field(alarm_, 0, 12);
    p.insert(p.end(), alarm.begin(), alarm.end());
    if (alarm_[0] == 0x55) p[28] = 0x03;
    const wire::Bytes key = field(key_, 0, 14);  // [39..40] key parameter, [41..52] key word
    p.insert(p.end(), key.begin(), key.end());
    return wire::frameEA(0x22, p);
}

wire::Bytes Wz4040Terminal::factoryAnswer() const {
    // The tool reads at most (length - 8) bytes of text from payload byte 4: the text is
    // followed by enough zero bytes.
    const std::string text = relay_ ? kRelayText : kTrunkingText;
    wire::Bytes p{0x00, 0x00, 0x00, 0x00};
    p.insert(p.end(), text.begin(), text.end());
    p.insert(p.end(), 8, 0x00);
    return wire::frameEA(0x28, p);
}

wire::Bytes Wz4040Terminal::gpsAnswer() const {
    // [0..9] the fix's time and two reserved bytes, [10..13] longitude, [14..17] latitude,
    // [18..20] direction and speed.
    wire::Bytes p = field(fix_, 0, 7);
    p.insert(p.end(), {0x00, 0x00, 0x00});
    const wire::Bytes rest = field(fix_, 7, 11);
    p.insert(p.end(), rest.begin(), rest.end());
    return wire::frameEA(0x41, p);
}

}  // namespace rb::sim
