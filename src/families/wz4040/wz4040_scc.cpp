#include "families/wz4040/wz4040_scc.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

#include "wire/codecs.h"
#include "wire/ea_payload.h"
#include "wire/utf8.h"

namespace rb::families::wz4040 {

using namespace scc_ids;

namespace {

constexpr std::uint8_t kGpsWriteCode = 0xA3;
constexpr std::uint8_t kGpsReadCode = 0xA7;
constexpr std::uint8_t kGpsAnswer = 0x41;
constexpr std::uint8_t kCdmaCode = 0xA2;
constexpr std::uint8_t kCallCode = 0x90;
constexpr std::uint8_t kDirectedCode = 0x92;
constexpr std::uint8_t kTeardownCode = 0x9B;
constexpr std::uint8_t kAllocationCode = 0x94;
constexpr std::uint8_t kDataCode = 0x96;
constexpr std::uint8_t kServiceCode = 0x99;
constexpr std::size_t kMaxDataBytes = 1000;  // 500 characters, each at most two GBK bytes

struct Item {
    const char* text;
    std::uint8_t code;
};
using Table = std::vector<Item>;

const Table kVoiceTypes = {
    {"无呼叫", 0x00},
    {"半双工普通语音呼叫", 0x04},
    {"半双工一级告警语音呼叫", 0x05},
    {"半双工二级告警语音呼叫", 0x06},
    {"半双工三级告警语音呼叫", 0x07},
    {"双工普通语音呼叫", 0x84},
    {"双工一级告警语音呼叫", 0x85},
    {"双工二级告警语音呼叫", 0x86},
    {"双工三级告警语音呼叫", 0x87},
};
const Table kDirectedStates = {
    {"空闲", 0x00},           {"信道忙拒绝", 0x01},     {"话费不足拒绝", 0x02},
    {"用户忙拒绝", 0x03},     {"排队等待", 0x04},       {"通话不足一分钟", 0x81},
    {"通话不足二分钟", 0x82}, {"通话不足三分钟", 0x83}, {"通话不足四分钟", 0x84},
    {"通话不足五分钟", 0x85}, {"正常允许", 0x99},
};
const Table kCallTypes = {
    {"无呼叫", 0x00},
    {"普通数据呼叫", 0x01},
    {"一级告警数据呼叫", 0x02},
    {"二级告警数据呼叫", 0x03},
    {"半双工普通语音呼叫", 0x04},
    {"半双工一级告警语音呼叫", 0x05},
    {"半双工二级告警语音呼叫", 0x06},
    {"半双工三级告警语音呼叫", 0x07},
    {"带回应普通数据呼叫", 0x81},
    {"带回应一级告警数据呼叫", 0x82},
    {"带回应二级告警数据呼叫", 0x83},
    {"双工普通语音呼叫", 0x84},
    {"双工一级告警语音呼叫", 0x85},
    {"双工二级告警语音呼叫", 0x86},
    {"双工三级告警语音呼叫", 0x87},
};
const Table kExtraControls = {
    {"(目标为主叫)按指定的信道频率分配", 0x00}, {"(目标为主叫)按当前的信道频率分配", 0x01},
    {"(目标为主叫)被叫号码不存在", 0x02},       {"(目标为主叫)被叫不在服务区", 0x03},
    {"(目标为被叫)按指定的信道频率分配", 0x80}, {"(目标为被叫)按当前的信道频率分配", 0x81},
};
const Table kDataTypes = {
    {"无呼叫", 0x00},
    {"普通数据呼叫", 0x01},
    {"一级告警数据呼叫", 0x02},
    {"二级告警数据呼叫", 0x03},
    {"带回应普通数据呼叫", 0x81},
    {"带回应一级告警数据呼叫", 0x82},
    {"带回应二级告警数据呼叫", 0x83},
};
const Table kRates = {{"9600", 0x00}, {"6400", 0x11}, {"12800", 0x22}, {"19200", 0x33}};

std::vector<std::string> itemsOf(const Table& t) {
    std::vector<std::string> out;
    for (const Item& i : t) out.push_back(i.text);
    return out;
}

// The code of a combo's selection; the first item's when nothing is selected.
std::uint8_t codeOf(const engine::FormModel& f, int id, const Table& t) {
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

bool CWZ4040SCC::checkIdentity(int id, const char* field) {
    // Empty sends 0, as it always has; anything else must be an identity of the terminals.
    const std::string& text = form().text(id);
    if (text.empty() || whole(text, 0, kMaxIdentity)) return true;
    return showMessage(std::string(field) + "设置错误,请设置为0-0x03FFFF!");
}

bool CWZ4040SCC::checkPhone(int id, const char* field) {
    if (wire::utf8CharCount(form().text(id)) <= kMaxPhoneDigits) return true;
    return showMessage(std::string(field) + "长度设置错误,请设置为0-254!");
}

CWZ4040SCC::CWZ4040SCC(engine::Session& session) : Wz4040Page(session, kIndex) {
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

void CWZ4040SCC::declareForm() {
    namespace L = engine::layout;
    auto& f = form();
    f.addEdit(kLongitude, 0, "122.729031");
    f.addEdit(kLatitude, 0, "23.123456");
    f.addEdit(kDirection, 0, "179.5");
    f.addEdit(kSpeed, 0, "9.3");
    f.addButton(kGpsWrite, "GPS写入");
    f.addButton(kGpsRead, "读取GPS");

    f.addRadio(kCdma, "CDMA", kCdma).value = 1;
    f.addRadio(kWz, "WZ", kCdma);
    f.addRadio(kAudioOff, "关", kAudioOff).value = 1;
    f.addRadio(kAudioOn, "开", kAudioOff);
    f.addRadio(kRingOn, "振铃开", kAudioOff);
    f.addRadio(kRingOff, "振铃关", kAudioOff);
    f.addButton(kCdmaButton, "CDMA/WZ选择");

    f.addCombo(kVoiceType, itemsOf(kVoiceTypes), 0);
    f.addRadio(kByIdentity, "身份码", kByIdentity).value = 1;
    f.addRadio(kByPhone, "电话号码", kByIdentity);
    f.addEdit(kCallNumber, 0, "123");
    f.addButton(kCallButton, "呼叫发起");

    f.addEdit(kDirectedCaller, 0, "123");
    f.addCombo(kDirectedState, itemsOf(kDirectedStates), int(kDirectedStates.size()) - 1);
    f.addButton(kDirectedButton, "指定呼叫");
    f.addButton(kTeardownButton, "强拆信道");

    f.addCombo(kAllocType, itemsOf(kCallTypes), 0);
    f.addCombo(kAllocExtra, itemsOf(kExtraControls), 0);
    f.addCombo(kAllocRate, itemsOf(kRates), 0);
    f.addEdit(kAllocCalled, 0, "0");
    f.addEdit(kAllocCaller, 0, "123");
    f.addRadio(kSpacing25, "25 KHz", kSpacing25).value = 1;
    f.addRadio(kSpacing12_5, "12.5KHz", kSpacing25);
    f.addEdit(kAllocTx, 7, "2300000");
    f.addEdit(kAllocRx, 7, "2300000");
    f.addEdit(kAllocPhone, 0, "");
    f.addButton(kAllocButton, "呼叫分配");

    f.addCombo(kDataType, itemsOf(kDataTypes), 0);
    f.addCombo(kDataRate, itemsOf(kRates), 0);
    f.addEdit(kDataCalled, 0, "123");
    f.addMultiEdit(kData, "").maxLength = kMaxDataChars;
    f.addButton(kDataButton, "发送数传");

    f.addCombo(kServiceType, itemsOf(kCallTypes), 0);
    f.addCombo(kServiceRate, itemsOf(kRates), 0);
    f.addEdit(kServiceTarget, 0, "123");
    f.addButton(kServiceButton, "业务调度");

    auto pair = [](const char* text, int id) { return L::row({L::label(text), L::ctl(id)}); };
    const engine::LayoutItem left = L::column({
        L::group("GPS写入（船台）",
                 L::column({L::row({pair("经度:", kLongitude), pair("纬度:", kLatitude)}),
                            L::row({pair("方向:", kDirection), pair("速度:", kSpeed),
                                    L::ctl(kGpsWrite), L::ctl(kGpsRead)})})),
        L::group("CDMA/WZ选择（船台）",
                 L::column({L::row({L::label("控制类型:"), L::ctl(kCdma), L::ctl(kWz)}),
                            L::row({L::label("音频控制:"), L::ctl(kAudioOff), L::ctl(kAudioOn),
                                    L::ctl(kRingOn), L::ctl(kRingOff), L::ctl(kCdmaButton)})})),
        L::group("语音呼叫发起（船台）",
                 L::column({pair("呼叫类型:", kVoiceType),
                            L::row({L::label("号码类型:"), L::ctl(kByIdentity), L::ctl(kByPhone)}),
                            L::row({pair("呼叫号码:", kCallNumber), L::ctl(kCallButton)})})),
        L::group("指定船台呼叫（基站侧）",
                 L::column({pair("主叫身份码:", kDirectedCaller),
                            L::row({pair("指定控制状态:", kDirectedState), L::ctl(kDirectedButton),
                                    L::ctl(kTeardownButton)})})),
        L::group(
            "业务调度分配（基站侧）",
            L::column({L::row({pair("呼叫类型:", kServiceType), pair("空中速率:", kServiceRate)}),
                       L::row({pair("目标身份码:", kServiceTarget), L::ctl(kServiceButton)})})),
    });
    const engine::LayoutItem right = L::column({
        L::group("呼叫分配（基站侧）",
                 L::grid(2, {L::label("呼叫类型:"),
                             L::ctl(kAllocType),
                             L::label("附加控制类型:"),
                             L::ctl(kAllocExtra),
                             L::label("空中速率:"),
                             L::ctl(kAllocRate),
                             L::label("被叫身份码:"),
                             L::ctl(kAllocCalled),
                             L::label("主叫身份码:"),
                             L::ctl(kAllocCaller),
                             L::label("信道间隔:"),
                             L::row({L::ctl(kSpacing25), L::ctl(kSpacing12_5)}),
                             L::label("发射频率:"),
                             L::ctl(kAllocTx),
                             L::label("接收频率:"),
                             L::ctl(kAllocRx),
                             L::label("主叫电话号码:"),
                             L::ctl(kAllocPhone),
                             L::empty(),
                             L::ctl(kAllocButton)})),
        L::group("透明数据传输（船台）",
                 L::column({L::row({pair("呼叫类型:", kDataType), pair("空中速率:", kDataRate)}),
                            pair("被叫身份码:", kDataCalled), pair("透明数据:", kData),
                            L::row({L::stretch(), L::ctl(kDataButton)})})),
        L::stretch(),
    });
    f.setLayout(L::row({left, right}));
}

void CWZ4040SCC::sendGps() {
    const auto& f = form();
    wire::Bytes p = clockBytes(session().tool.timeText());
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

void CWZ4040SCC::sendCdma() {
    const auto& f = form();
    const std::uint8_t kind = f.radio(kCdma) == 1 ? 0x00 : 0xCD;
    command(wire::frameEA(kCdmaCode, {kind, std::uint8_t(std::max(0, f.radio(kAudioOff)))}));
}

void CWZ4040SCC::sendCall() {
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

void CWZ4040SCC::sendDirected() {
    if (!checkIdentity(kDirectedCaller, "主叫身份码")) return;
    const auto& f = form();
    wire::Bytes p;
    wire::putU24be(p, identityOf(f.text(kDirectedCaller)));
    p.push_back(codeOf(f, kDirectedState, kDirectedStates));
    command(wire::frameEA(kDirectedCode, p));
}

void CWZ4040SCC::sendAllocation() {
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

void CWZ4040SCC::sendData() {
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

void CWZ4040SCC::sendService() {
    if (!checkIdentity(kServiceTarget, "目标身份码")) return;
    const auto& f = form();
    wire::Bytes p{codeOf(f, kServiceType, kCallTypes), codeOf(f, kServiceRate, kRates)};
    wire::putU24be(p, identityOf(f.text(kServiceTarget)));
    command(wire::frameEA(kServiceCode, p));
}

void CWZ4040SCC::OnFrame(const wire::FrameView& frame) {
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
