#include "families/protest/protest_identity.h"

#include <cstdio>

#include "families/protest/protest_ids.h"
#include "families/protest/protest_records.h"
#include "units/json_text.h"
#include "wire/codecs.h"
#include "wire/version_text.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kInitTypeCode = 0x9F;
constexpr std::uint8_t kReadTypeVersionCode = 0x99;

bool allDigits(const std::string& s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return !s.empty();
}

std::string trimRight(std::string s) {
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.pop_back();
    return s;
}

}  // namespace

// clang-format off
const std::array<MachineType, 23> kMachineTypes = {{
    {"LM30D数字手持机UHF403~470MHz\t\t", 0x11},
    {"LM30D数字手持机VHF350~400MHz", 0x12},
    {"LM30D数字手持机VHF130~174MHz", 0x13},
    {"LM30D数字手持机VHF60~88MHz", 0x14},
    {"LM30T数字手持机UHF403~470MHz（列调型）", 0x21},
    {"LM30T数字手持机VHF136~174MHz", 0x22},
    {"LM30C数字手持机UHF915~917MHz（无中心控制）", 0x31},
    {"LM30P PTTID手持机UHF403~470MHz", 0x41},
    {"LM30G数字手持机UHF403~470MHz（集群型）", 0x51},
    // The same nine texts again, the code's high nibble raised from 1-5 to 8-C.
    {"LM30D数字手持机UHF403~470MHz\t\t", 0x81},
    {"LM30D数字手持机VHF350~400MHz", 0x82},
    {"LM30D数字手持机VHF130~174MHz", 0x83},
    {"LM30D数字手持机VHF60~88MHz", 0x84},
    {"LM30T数字手持机UHF403~470MHz（列调型）", 0x91},
    {"LM30T数字手持机VHF136~174MHz", 0x92},
    {"LM30C数字手持机UHF915~917MHz（无中心控制）", 0xA1},
    {"LM30P PTTID手持机UHF403~470MHz", 0xB1},
    {"LM30G数字手持机UHF403~470MHz（集群型）", 0xC1},
    {"LM520D车台UHF403~470MHz", 0xD1},
    {"LM520D车台VHF350~400MHz", 0xD2},
    {"LM520D车台VHF130~174MHz", 0xD3},
    {"LM520S船台VHF220~240MHz", 0xD4},
    {"LM516船台VHF220~240MHz", 0xD5},
}};
// clang-format on

void Identity::bind() {
    auto& f = host_.form();
    f.onChange(kTypeCombo, [this] { onTypeSelected(); });
    f.onClick(kInitTypeButton, [this] { initType(); });
    f.onClick(kSetRangeButton, [this] { setRange(); });
    // "读取基本参数" starts with who the terminal is; the band table and the values follow.
    f.onClick(kReadBasicButton, [this] { readTypeVersion(); });
}

void Identity::onTypeSelected() {
    const int i = host_.form().selection(kTypeCombo);
    if (i < 0 || i >= int(kMachineTypes.size())) return;
    host_.form().setText(kTypeLabel, trimRight(kMachineTypes[std::size_t(i)].text));
}

// ---- "初始化机型" ---------------------------------------------------------------------------

std::optional<Identity::Request> Identity::checkedRequest() {
    const auto& f = host_.form();
    const int type = f.selection(kTypeCombo);
    if (type < 0 || type >= int(kMachineTypes.size())) {
        host_.refuse("请选择机器类型!");
        return std::nullopt;
    }
    // Year and batch become digits of the machine code: anything else is refused.
    const std::string year = f.text(kYear);
    if (year.size() != 2 || !allDigits(year)) {
        host_.refuse("生产年份输入不正确,请输入2位年份!");
        return std::nullopt;
    }
    const std::string batch = f.text(kBatch);
    if (batch.size() != 1 || !allDigits(batch)) {
        host_.refuse("生产批次输入不正确,请输入1位数字!");
        return std::nullopt;
    }
    // The serial is four digits of the machine code: 0-9999, a whole number.
    const auto typed = wire::parseWhole(f.text(kSerial));
    if (!typed || *typed < 0 || *typed > kLastSerial) {
        host_.refuse("产品序号输入不正确,请设为0-9999!");
        return std::nullopt;
    }
    const auto rangeStart = wire::parseWhole(f.text(kRangeStart));
    const auto rangeEnd = wire::parseWhole(f.text(kRangeEnd));
    if (!rangeStart || !rangeEnd) {
        host_.refuse("序号范围输入不正确,请设为0-9999!");
        return std::nullopt;
    }
    if (!store().decidesRange() && (*typed < *rangeStart || *typed > *rangeEnd)) {
        host_.refuse("产品序号不在设置范围内!");
        return std::nullopt;
    }
    return Request{type, year, batch, *typed, *rangeEnd};
}

SerialStore& Identity::store() {
    if (!store_) store_ = makeSerialStore(host_);
    return *store_;
}

void Identity::initType() {
    const auto r = checkedRequest();
    if (!r) return;
    const auto serial = store().take(*r);  // kept before it is sent
    if (!serial) return;
    const std::string code = r->year + r->batch + fourDigits(*serial);
    const std::uint32_t m = std::uint32_t(wire::parseLong(code));
    wire::Bytes payload = {0x00, 0x01, kMachineTypes[std::size_t(r->type)].code};
    wire::putU24be(payload, m);
    host_.request(wire::frame96(kInitTypeCode, payload));
    sent_ = Sent{r->type, code};

    // The number is used now, answer or not.
    host_.form().setText(kMachineCode, code);
    host_.form().setText(kSerial, fourDigits(*serial + 1));
}

void Identity::onTypeWritten(const wire::FrameView& f) {
    // The code is the terminal's now: what was done before it belongs to it.
    if (sent_) {
        const std::uint8_t code = kMachineTypes[std::size_t(sent_->typeIndex)].code;
        host_.session().unitRecords.setUnit(sent_->code, typeText(code));
        record("written", code, sent_->code, "");
        sent_.reset();
    }
    host_.succeeded(f, "初始化机型成功");
}

void Identity::setRange() { store().setRange(); }

// ---- "读取基本参数" -------------------------------------------------------------------------

void Identity::readTypeVersion() {
    for (int id : {kYear, kBatch, kSerial, kMachineCode}) host_.form().setText(id, "");
    host_.request(wire::frame96(kReadTypeVersionCode, {0x00, 0x01}));
}

void Identity::onTypeVersionAnswer(const wire::FrameView& f) {
    auto& form = host_.form();
    for (std::size_t i = 0; i < kMachineTypes.size(); ++i) {
        if (kMachineTypes[i].code == f[6]) {
            form.setSelection(kTypeCombo, int(i));
            break;
        }
    }
    onTypeSelected();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%07u", unsigned(f.u24be(7)));
    const std::string code = std::string(digits).substr(0, 7);
    form.setText(kMachineCode, code);
    if (code.size() == 7) {
        form.setText(kYear, code.substr(0, 2));
        form.setText(kBatch, code.substr(2, 1));
        form.setText(kSerial, code.substr(3, 4));
    }
    auto& session = host_.session();
    session.statusBar.SetText(1, wire::versionText(f));
    // The terminal on the bench says who it is; a code of 0 is a terminal without one.
    if (f.u24be(7) != 0) session.unitRecords.setUnit(code, typeText(f[6]));
    record("read", f[6], code, wire::versionText(f));
    host_.succeeded(f, "读取机型和版本信息成功");
}

// ---- records --------------------------------------------------------------------------------

std::string Identity::typeText(std::uint8_t typeCode) const {
    for (const auto& t : kMachineTypes) {
        if (t.code != typeCode) continue;
        std::string text = t.text;
        while (!text.empty() && (text.back() == '\t' || text.back() == ' ')) text.pop_back();
        return text;
    }
    return hexCode(typeCode);
}

void Identity::record(const char* source, std::uint8_t typeCode, const std::string& code,
                      const std::string& version) {
    units::JsonObject values;
    values.add("action", source)
        .add("machine_code", code)
        .add("type_code", int(typeCode))
        .add("type", typeText(typeCode));
    if (!version.empty()) values.add("version", version);
    host_.session().unitRecords.record("machine_code", values.str());
}

}  // namespace rb::families::protest
