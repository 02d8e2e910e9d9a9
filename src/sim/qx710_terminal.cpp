#include "sim/qx710_terminal.h"

#include <algorithm>

#include "sim/ea_terminal.h"
#include "wire/codecs.h"

namespace rb::sim {

namespace {

using ea::ack;
using ea::field;

constexpr std::size_t kBasicPayload = 130;
constexpr std::size_t kOwnerNameBytes = 19;
constexpr std::size_t kOwnerTextBytes = 63;
constexpr std::size_t kKeyWordBytes = 12;
constexpr std::size_t kAlarmBytes = 9;  // type, count, 7 number bytes

// The echo the tool reports for each control command.
std::uint8_t controlEcho(std::uint8_t code, const wire::Bytes& p) {
    switch (code) {
        case 0xA3:
            return 0x51;
        case 0xA6:
            return 0x52;
        case 0x90:
            return 0x53;
        case 0x92:
            return 0x54;
        case 0xA8:
            return 0x57;
        case 0xA9:
            return 0x58;
        case 0xA7:
            return 0x59;
        case 0x94:
            return 0x5A;
        case 0x96:
        case 0x97:
            if (code == 0x97 && p.size() == 3) return 0x56;  // transparent-data mode
            return 0x55;                                     // data
        case 0xA0:
        case 0xA1:
        case 0xA2:
        case 0xA5:
            return code;
        default:
            return 0;
    }
}

}  // namespace

Qx710Terminal::Qx710Terminal() { factoryReset(); }

wire::Bytes Qx710Terminal::ownQuery() { return wire::frameEA(0x96, {0x10}); }

void Qx710Terminal::factoryReset() {
    identity_ = 100001;
    auth_ = 1;
    category_ = 1;
    tableVersion_ = 0x12;  // 1.2
    stationType_ = 0x00;   // 船台
    baseNumber_ = 3;
    software_ = 0x21;  // 2.1
    defaultNumber_ = 5;
    spacing_ = 0x00;  // 25 kHz
    offNet_ = 16000;  // 4000000 at 25 kHz
    defaultTx_ = 16004;
    defaultRx_ = 16404;
    timing_ = {5, 1, 10, 30};
    alarm_ = {0x55, 0x03};
    wire::putU24be(alarm_, 2001);
    encryption_ = {0xAA, 0x00, 0x00};
    encryption_.resize(3 + kKeyWordBytes, 0);
    ownerName_.clear();
    wire::putGbkField(ownerName_, "王海洋", kOwnerNameBytes);
    ownerText_.clear();
    wire::putGbkField(ownerText_, "浙江省舟山市普陀区渔政船", kOwnerTextBytes);
    power_ = 0x11;
    for (int page = 0; page < kTablePages; ++page) {
        for (int r = 0; r < 4; ++r) {
            const auto tx = std::uint16_t(16000 + page * 4 + r);
            table_[std::size_t(page)][std::size_t(r)] = ea::ChannelRow{tx, std::uint16_t(tx + 400)};
        }
    }
    version_ = kFactoryVersion;
}

std::vector<wire::Bytes> Qx710Terminal::answer(const wire::FrameView& f) {
    if (f.lead() != wire::kLeadEA) return {};
    const std::uint8_t code = f.code();
    const wire::Bytes p = ea::payloadOf(f);
    const std::size_t len = f.u16le(1);
    switch (code) {
        case 0x21:
            return {basicAnswer()};
        case 0x23: {
            const std::uint8_t page = p.empty() ? 0 : p[0];
            if (page >= kTablePages) return {};
            wire::Bytes out{page};
            ea::putRows(out, table_[page]);
            return {wire::frameEA(0x24, out)};
        }
        case 0x25:
            return {statusAnswer()};
        case 0x27:
            return {versionAnswer()};
        case 0x29:
            if (p.size() < 2) return {};
            if (p[0] == 1) power_ = p[1];
            return {wire::frameEA(0x2A, {power_})};
        case 0x31:
        case 0x32:
            if (const auto a = ea::musterAnswer(code, p)) return {*a};
            return {};
        default:
            break;
    }
    if (code >= 0x10 && code <= 0x16) {
        if (!storeWrite(code, p, len)) return {};
        return {ack(code)};
    }
    if (code == wire::kNoChecksumCode) return {};  // the tool's reply to a 0x55 query
    if (code == 0x96 || code == 0x97) {
        // The tool's reply to the station's own query, and prompt data, are not answered.
        if (p == wire::Bytes{0x01, 0x00, 0x00, 0x00, 0x20}) return {};
        if (p.size() == 5 && p[0] == 0x04 && p[4] == 0x10) return {};
    }
    if (const std::uint8_t echo = controlEcho(code, p)) return {ack(echo)};
    return {};
}

bool Qx710Terminal::storeWrite(std::uint8_t code, const wire::Bytes& p, std::size_t len) {
    switch (code) {
        case 0x10:
            if (len != 5 || p.size() < 5) return false;
            identity_ = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
            auth_ = p[3];
            category_ = p[4];
            return true;
        case 0x11:
            if (len != 0x59 || p.size() < 0x59) return false;
            identity_ = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
            auth_ = p[3];
            tableVersion_ = p[4];
            stationType_ = p[5];
            baseNumber_ = p[6];
            ownerName_ = field(p, 7, kOwnerNameBytes);
            ownerText_ = field(p, 7 + kOwnerNameBytes, kOwnerTextBytes);
            return true;
        case 0x12: {
            if (len != 0x11 || p.size() < 0x11 || p[0] >= kTablePages) return false;
            ea::takeRows(table_[p[0]], p, 1);
            return true;
        }
        case 0x13:
            if (p.size() < 2 || p.size() > kAlarmBytes) return false;
            alarm_ = p;
            return true;
        case 0x14:
            if (len != 4 || p.size() < 4) return false;
            std::copy_n(p.begin(), 4, timing_.begin());
            return true;
        case 0x15:
            if (len != 8 || p.size() < 8) return false;
            spacing_ = p[0];
            offNet_ = std::uint16_t(p[1] << 8 | p[2]);
            defaultTx_ = std::uint16_t(p[3] << 8 | p[4]);
            defaultRx_ = std::uint16_t(p[5] << 8 | p[6]);
            defaultNumber_ = p[7];
            return true;
        case 0x16:
            if (len != 0x0F || p.size() < 0x0F) return false;
            encryption_ = p;
            return true;
        default:
            return false;
    }
}

wire::Bytes Qx710Terminal::basicAnswer() const {
    wire::Bytes p;
    wire::putU24be(p, identity_);
    p.insert(p.end(), {0x00, 0x00, 0x00});
    p.push_back(spacing_);
    p.push_back(auth_);
    p.push_back(tableVersion_);
    p.push_back(stationType_);
    p.push_back(baseNumber_);
    p.push_back(software_);
    p.push_back(defaultNumber_);
    wire::putU16be(p, offNet_);
    wire::putU16be(p, defaultTx_);
    wire::putU16be(p, defaultRx_);
    p.insert(p.end(), timing_.begin(), timing_.end());
    const wire::Bytes alarm = field(alarm_, 0, kAlarmBytes);  // [23] type, [24] count, [25..31]
    p.insert(p.end(), alarm.begin(), alarm.end());
    p.push_back(category_);
    const wire::Bytes enc = field(encryption_, 0, 3 + kKeyWordBytes);  // [33..47]
    p.insert(p.end(), enc.begin(), enc.end());
    p.insert(p.end(), ownerName_.begin(), ownerName_.end());  // [48..66]
    p.insert(p.end(), ownerText_.begin(), ownerText_.end());  // [67..129]
    p.resize(kBasicPayload, 0);
    return wire::frameEA(0x22, p);
}

wire::Bytes Qx710Terminal::statusAnswer() const {
    // Base-station number, frequency number, receiving, call type 0, a reserved byte, field
    // strength 7 with SWR 1, channel normal.
    return wire::frameEA(0x26, {baseNumber_, defaultNumber_, 0x11, 0x00, 0x00, 0x17, 0x00});
}

wire::Bytes Qx710Terminal::versionAnswer() const {
    wire::Bytes p{0x00, 0x00, 0x00, 0x00};
    p.insert(p.end(), version_.begin(), version_.end());
    p.push_back(0);
    return wire::frameEA(0x28, p);
}

}  // namespace rb::sim
