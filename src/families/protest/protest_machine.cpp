// Machine type, machine code and the serial-number store: "初始化机型" programs a type and the
// next serial machine code from the store's range, "读取基本参数" reads type, code and version
// back, "设置序号范围" keeps the range. The next number survives between runs in the store, so
// each terminal gets a code of its own.
#include <cstdio>
#include <ctime>

#include "families/protest/protest_page.h"
#include "ini/file_lock.h"
#include "ini/ini_file.h"
#include "wire/codecs.h"
#include "wire/version_text.h"

namespace rb::families::protest {

using namespace ids;

namespace {

constexpr std::uint8_t kInitTypeCode = 0x9F;
constexpr std::uint8_t kReadTypeVersionCode = 0x99;
constexpr long long kLastSerial = 9999;  // four digits of the machine code

std::string fourDigits(long long v) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04lld", v);
    return buf;
}

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

std::string currentYearDigits() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const std::string year = std::to_string(local.tm_year + 1900);
    return year.size() >= 4 ? year.substr(2, 2) : year;
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

void CProTest::bindMachine() {
    auto& f = form();
    f.onChange(kTypeCombo, [this] { onTypeSelected(); });
    f.onClick(kInitTypeButton, [this] { InitType(); });
    f.onClick(kSetRangeButton, [this] { OnSetRange(); });
}

void CProTest::readSerialStore() {
    auto& f = form();
    f.setText(kYear, currentYearDigits());
    ini::IniFile store;
    std::string error;
    if (!store.loadIfExists(session().paths.serialStore, &error)) {
        // The numbers shown would repeat ones already handed out: say so.
        stopWith("序号文件读取失败!(" + session().paths.serialStore + ")");
    }
    const std::string s = kStoreSection;
    // An empty or missing type selects the first item; an index outside the list selects none.
    // The label keeps "当前未选择机器类型" until a type is chosen or read.
    const std::string type = store.getText(s, "Type");
    f.setSelection(kTypeCombo, type.empty() ? 0 : wire::parseInt(type));
    const std::string batch = store.getText(s, "SeroalPreBatch");
    f.setText(kBatch, batch.empty() ? "0" : batch);
    f.setText(kSerial, fourDigits((long long)wire::parseInt(store.getText(s, "SeroalPre")) + 1));
    const std::string start = store.getText(s, "SeroalStart");
    f.setText(kRangeStart, start.empty() ? "0000" : start);
    const std::string end = store.getText(s, "SeroalEnd");
    f.setText(kRangeEnd, end.empty() ? "1000" : end);
}

bool CProTest::saveSerialStore(ini::IniFile& store,
                               const std::vector<std::pair<std::string, std::string>>& keys) {
    const std::string& path = session().paths.serialStore;
    std::string error;
    for (const auto& [key, value] : keys) store.setText(kStoreSection, key, value);
    // A serial number that is not kept would be handed out twice.
    if (!store.save(path, &error)) return stopWith("序号文件保存失败!(" + path + ")");
    return true;
}

bool CProTest::writeSerialStore(const std::vector<std::pair<std::string, std::string>>& keys) {
    const std::string& path = session().paths.serialStore;
    const ini::FileLock lock(path);
    if (!lock.locked()) return stopWith("序号文件锁定失败!(" + path + ")");
    ini::IniFile store;
    std::string error;
    if (!store.loadIfExists(path, &error)) return stopWith("序号文件读取失败!(" + path + ")");
    return saveSerialStore(store, keys);
}

void CProTest::onTypeSelected() {
    const int i = form().selection(kTypeCombo);
    if (i < 0 || i >= int(kMachineTypes.size())) return;
    form().setText(kTypeLabel, trimRight(kMachineTypes[std::size_t(i)].text));
}

void CProTest::InitType() {
    auto& f = form();
    const int type = f.selection(kTypeCombo);
    if (type < 0 || type >= int(kMachineTypes.size())) {
        stopWith("请选择机器类型!");
        return;
    }
    // Year and batch become digits of the machine code: anything else is refused.
    const std::string year = f.text(kYear);
    if (year.size() != 2 || !allDigits(year)) {
        stopWith("生产年份输入不正确,请输入2位年份!");
        return;
    }
    const std::string batch = f.text(kBatch);
    if (batch.size() != 1 || !allDigits(batch)) {
        stopWith("生产批次输入不正确,请输入1位数字!");
        return;
    }
    // The serial is four digits of the machine code: 0-9999, a whole number.
    const auto typed = wire::parseWhole(f.text(kSerial));
    if (!typed || *typed < 0 || *typed > kLastSerial) {
        stopWith("产品序号输入不正确,请设为0-9999!");
        return;
    }
    const auto rangeStart = wire::parseWhole(f.text(kRangeStart));
    const auto rangeEnd = wire::parseWhole(f.text(kRangeEnd));
    if (!rangeStart || !rangeEnd) {
        stopWith("序号范围输入不正确,请设为0-9999!");
        return;
    }
    if (*typed < *rangeStart || *typed > *rangeEnd) {
        stopWith("产品序号不在设置范围内!");
        return;
    }

    // The next number is taken under the store's lock: the store is read afresh (another
    // program on this machine may have handed out numbers since this page read it), a number
    // it has moved past is never used again, and the new number is kept before the terminal
    // is told, so no two programs ever send the same machine code.
    const std::string& path = session().paths.serialStore;
    const ini::FileLock lock(path);
    if (!lock.locked()) {
        stopWith("序号文件锁定失败!(" + path + ")");
        return;
    }
    ini::IniFile store;
    std::string error;
    if (!store.loadIfExists(path, &error)) {
        stopWith("序号文件读取失败!(" + path + ")");
        return;
    }
    long long serialValue = *typed;
    const std::string used = store.getText(kStoreSection, "SeroalPre");
    if (const auto last = wire::parseWhole(used); last && *last >= serialValue) {
        serialValue = *last + 1;
    }
    if (serialValue > *rangeEnd || serialValue > kLastSerial) {
        f.setText(kSerial, fourDigits(serialValue));
        stopWith("产品序号不在设置范围内!");
        return;
    }
    const std::string serial = fourDigits(serialValue);
    f.setText(kSerial, serial);
    const std::string code = year + batch + serial;
    if (!saveSerialStore(
            store,
            {{"Type", std::to_string(type)}, {"SeroalPre", serial}, {"SeroalPreBatch", batch}})) {
        return;  // not kept, so not used: nothing is sent
    }

    const std::uint32_t m = std::uint32_t(wire::parseLong(code));
    wire::Bytes payload = {0x00, 0x01, kMachineTypes[std::size_t(type)].code};
    wire::putU24be(payload, m);
    send(wire::frame96(kInitTypeCode, payload));
    sentMachine_ = SentMachine{type, code};

    // The number is used now, answer or not.
    f.setText(kMachineCode, code);
    f.setText(kSerial, fourDigits(serialValue + 1));
}

void CProTest::OnSetRange() {
    const auto& f = form();
    writeSerialStore({{"SeroalStart", f.text(kRangeStart)},
                      {"SeroalEnd", f.text(kRangeEnd)},
                      {"SeroalPre", f.text(kSerial)},
                      {"SeroalPreBatch", f.text(kBatch)},
                      {"Type", std::to_string(f.selection(kTypeCombo))}});
}

void CProTest::ReadTypeVersion() {
    for (int id : {kYear, kBatch, kSerial, kMachineCode}) form().setText(id, "");
    send(wire::frame96(kReadTypeVersionCode, {0x00, 0x01}));
}

void CProTest::onTypeVersionAnswer(const wire::FrameView& f) {
    for (std::size_t i = 0; i < kMachineTypes.size(); ++i) {
        if (kMachineTypes[i].code == f[6]) {
            form().setSelection(kTypeCombo, int(i));
            break;
        }
    }
    onTypeSelected();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%07u", unsigned(f.u24be(7)));
    const std::string code = std::string(digits).substr(0, 7);
    form().setText(kMachineCode, code);
    if (code.size() == 7) {
        form().setText(kYear, code.substr(0, 2));
        form().setText(kBatch, code.substr(2, 1));
        form().setText(kSerial, code.substr(3, 4));
    }
    session().statusBar.SetText(1, wire::versionText(f));
    // The terminal on the bench says who it is; a code of 0 is a terminal without one.
    if (f.u24be(7) != 0) session().unitRecords.setUnit(code, typeText(f[6]));
    recordMachine("read", f[6], code, wire::versionText(f));
    reportSuccess(f, "读取机型和版本信息成功");
    ReadBand();
}

}  // namespace rb::families::protest
