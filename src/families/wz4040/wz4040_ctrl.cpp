#include "families/wz4040/wz4040_ctrl.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "wire/codecs.h"
#include "wire/ea_payload.h"
#include "wire/utf8.h"

namespace rb::families::wz4040 {

using namespace ctrl_ids;

namespace {

constexpr std::uint8_t kGpsWriteCode = 0xA3;
constexpr std::uint8_t kGpsReadCode = 0xA7;
constexpr std::uint8_t kGpsAnswer = 0x41;
constexpr std::uint8_t kCallCode = 0x90;
constexpr std::uint8_t kDirectedCode = 0x92;
constexpr std::uint8_t kTeardownCode = 0x9B;
constexpr std::uint8_t kAllocationCode = 0x94;
constexpr std::uint8_t kDataCode = 0x96;
constexpr std::uint8_t kServiceCode = 0x99;
constexpr std::size_t kMaxDataBytes = 1000;  // 500 characters, each at most two GBK bytes

// The code of a combo's selection; the first item's when nothing is selected.
std::uint8_t codeOf(const engine::FormModel& f, int id, const ComboTable& t) {
    const int i = f.selection(id);
    return i >= 0 && std::size_t(i) < t.size() ? t[std::size_t(i)].code : t.front().code;
}

struct Coordinate {
    int id;
    const char* refusal;
};
constexpr Coordinate kLongitudeField = {kLongitude,
                                        "经度设置错误,范围为:-214.7483648-214.7483647!"};
constexpr Coordinate kLatitudeField = {kLatitude, "纬度设置错误,范围为:-214.7483648-214.7483647!"};

// A decimal number as typed for a GPS field: blanks around an optional sign, digits with at most
// one point, at least one digit. Anything else ("abc", "12abc", "1e3") is no number.
std::optional<double> decimalOf(const std::string& text) {
    std::size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) return std::nullopt;
    const std::size_t end = text.find_last_not_of(" \t") + 1;
    const std::string t = text.substr(i, end - i);
    std::size_t k = t[0] == '-' || t[0] == '+' ? 1 : 0;
    bool digit = false, point = false;
    for (; k < t.size(); ++k) {
        if (t[k] >= '0' && t[k] <= '9') {
            digit = true;
        } else if (t[k] == '.' && !point) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return std::strtod(t.c_str(), nullptr);
}

// Direction and speed travel as tenths in 12 bits each (0-4095): a course is 0-360 degrees, a
// speed at most 409.5.
struct Course {
    int id;
    double max;
    const char* refusal;
};
constexpr Course kDirectionField = {kDirection, 360.0, "方向设置错误,范围为:0-360!"};
constexpr Course kSpeedField = {kSpeed, 409.5, "速度设置错误,范围为:0-409.5!"};

}  // namespace

bool CWZ4040Ctrl::checkIdentity(int id, const char* field) {
    // Empty sends 0, as it always has; anything else must be an identity of the terminals.
    const std::string& text = form().text(id);
    if (text.empty() || whole(text, 0, kMaxIdentity)) return true;
    return showMessage(std::string(field) + "设置错误,请设置为0-0x03FFFF!");
}

bool CWZ4040Ctrl::checkPhone(int id, const char* field) {
    if (wire::utf8CharCount(form().text(id)) <= kMaxPhoneDigits) return true;
    return showMessage(std::string(field) + "长度设置错误,请设置为0-254!");
}

CWZ4040Ctrl::CWZ4040Ctrl(engine::Session& session) : EaPage(session, kIndex) {
    declareForm();
    auto& f = form();
    f.onClick(kGpsWrite, [this] { sendGps(); });
    f.onClick(kGpsRead, [this] { command(wire::frameEA(kGpsReadCode)); });
    f.onClick(kCdmaButton, [this] { sendCdma(); });
    f.onClick(kCallButton, [this] { sendCall(); });
    f.onClick(kDirectedButton, [this] { sendDirected(); });
    f.onClick(kTeardownButton, [this] { command(wire::frameEA(kTeardownCode)); });
    f.onClick(kAllocButton, [this] { sendAllocation(); });
    f.onClick(kDataButton, [this] { sendData(); });
    f.onClick(kServiceButton, [this] { sendService(); });
}

void CWZ4040Ctrl::sendGps() {
    const auto& f = form();
    wire::Bytes p = eapages::clockBytes(session().tool.timeText());
    p.push_back(0x00);
    for (const Coordinate& c : {kLongitudeField, kLatitudeField}) {
        const auto raw = decimalOf(f.text(c.id)) ? wire::gpsCoordinate(f.text(c.id)) : std::nullopt;
        if (!raw) return void(showMessage(c.refusal));
        for (int shift : {24, 16, 8, 0}) p.push_back(std::uint8_t(std::uint32_t(*raw) >> shift));
    }
    for (const Course& c : {kDirectionField, kSpeedField}) {
        const auto v = decimalOf(f.text(c.id));
        if (!v || *v < 0 || *v > c.max) return void(showMessage(c.refusal));
    }
    wire::putGpsCourse(p, f.text(kDirection), f.text(kSpeed));
    p.push_back(0x0C);
    command(wire::frameEA(kGpsWriteCode, p));
}

void CWZ4040Ctrl::sendCdma() { command(eapages::cdmaSelectFrame(form(), kCdma)); }

void CWZ4040Ctrl::sendCall() {
    const auto& f = form();
    if (f.radio(kByIdentity) != 1 ? !checkIdentity(kCallNumber, "呼叫号码")
                                  : !checkPhone(kCallNumber, "呼叫号码"))
        return;
    wire::Bytes p{codeOf(f, kVoiceType, kVoiceTypes)};
    if (f.radio(kByIdentity) != 1) {
        p.insert(p.end(), {0x55, 0x03});
        wire::putU24be(p, identityOf(f.text(kCallNumber)));
    } else {
        p.push_back(0x00);
        putPhoneNumber(p, f.text(kCallNumber));
    }
    command(wire::frameEA(kCallCode, p));
}

void CWZ4040Ctrl::sendDirected() {
    if (!checkIdentity(kDirectedCaller, "主叫身份码")) return;
    const auto& f = form();
    wire::Bytes p;
    wire::putU24be(p, identityOf(f.text(kDirectedCaller)));
    p.push_back(codeOf(f, kDirectedState, kDirectedStates));
    command(wire::frameEA(kDirectedCode, p));
}

void CWZ4040Ctrl::sendAllocation() {
    const auto& f = form();
    const int step = f.radio(kSpacing25) == 1 ? wire::kStep12_5 : wire::kStep25;
    if (!frequencyAccepted(f.text(kAllocTx), step))
        return void(showMessage("分配信道发射频率设置不正确!"));
    if (!frequencyAccepted(f.text(kAllocRx), step))
        return void(showMessage("分配信道接收频率设置不正确!"));
    if (!checkIdentity(kAllocCalled, "被叫身份码") || !checkIdentity(kAllocCaller, "主叫身份码") ||
        !checkPhone(kAllocPhone, "主叫电话号码"))
        return;
    wire::Bytes p{codeOf(f, kAllocType, kCallTypes), codeOf(f, kAllocRate, kRates),
                  codeOf(f, kAllocExtra, kExtraControls)};
    wire::putU24be(p, identityOf(f.text(kAllocCalled)));
    wire::putU24be(p, identityOf(f.text(kAllocCaller)));
    wire::putU16be(p, channelCode(f.text(kAllocTx), step));
    wire::putU16be(p, channelCode(f.text(kAllocRx), step));
    putPhoneNumber(p, f.text(kAllocPhone));
    command(wire::frameEA(kAllocationCode, p));
}

void CWZ4040Ctrl::sendData() {
    const auto& f = form();
    if (!checkIdentity(kDataCalled, "被叫身份码")) return;
    // A character GBK has no code for would go out as '?'.
    if (!wire::gbkEncodable(f.text(kData))) return void(showMessage(textNotGbkMessage("透明数据")));
    // The text byte for byte (GBK): the frame is sized to what it carries, N + 10 bytes.
    std::string data = wire::utf8ToGbk(f.text(kData));
    if (data.size() > kMaxDataBytes) {
        wire::Bytes cut;
        wire::putGbkField(cut, f.text(kData), kMaxDataBytes);  // on a whole character
        std::size_t n = cut.size();
        while (n > 0 && cut[n - 1] == 0) --n;
        data.assign(cut.begin(), cut.begin() + std::ptrdiff_t(n));
    }
    wire::Bytes p{codeOf(f, kDataType, kDataTypes), codeOf(f, kDataRate, kRates)};
    wire::putU24be(p, identityOf(f.text(kDataCalled)));
    p.insert(p.end(), data.begin(), data.end());
    command(wire::frameEA(kDataCode, p));
}

void CWZ4040Ctrl::sendService() {
    if (!checkIdentity(kServiceTarget, "目标身份码")) return;
    const auto& f = form();
    wire::Bytes p{codeOf(f, kServiceType, kCallTypes), codeOf(f, kServiceRate, kRates)};
    wire::putU24be(p, identityOf(f.text(kServiceTarget)));
    command(wire::frameEA(kServiceCode, p));
}

void CWZ4040Ctrl::OnFrame(const wire::FrameView& frame) {
    if (frame.code() != kGpsAnswer) return;
    // Every 0x41 frame is read as a fix (a muster answer too); bytes the frame does not hold
    // read as zero.
    const wire::EaPayload p(frame);
    auto& f = form();
    auto i32 = [&p](std::size_t k) {
        return std::int32_t(std::uint32_t(p.u16be(k)) << 16 | p.u16be(k + 2));
    };
    f.setText(kLongitude, wire::gpsDegreesText(i32(10)));
    f.setText(kLatitude, wire::gpsDegreesText(i32(14)));
    f.setText(kDirection, wire::gpsDirectionText(p[18], p[19]));
    f.setText(kSpeed, wire::gpsSpeedText(p[19], p[20]));
    report(frame.code(), "GPS数据读取成功");
}

}  // namespace rb::families::wz4040
