// The base page's part of a configuration file: section "QX710", values as decimal text, keys
// in the order existing installations write them (the odd "占名超时" included).
#include "families/qx710/qx710_base.h"
#include "wire/codecs.h"

namespace rb::families::qx710 {

using namespace base_ids;

namespace {

constexpr std::array<const char*, 4> kTxKeys = {"发射频率0", "发射频率1", "发射频率2", "发射频率3"};
constexpr std::array<const char*, 4> kRxKeys = {"接收频率0", "接收频率1", "接收频率2", "接收频率3"};

struct TextKey {
    const char* key;
    int id;
};

// Keys whose value is the control's text, as stored (in file order where they stand together).
constexpr std::array<TextKey, 4> kTimingKeys = {{
    {"占名超时", kRollCallTimeout},
    {"脱网超时", kOffNetTimeout},
    {"信道保持", kChannelHold},
    {"PTT保持", kPttHold},
}};

// What a 255-byte profile buffer holds of a value: at most 254 bytes.
std::string profileValue(const ini::IniFile& file, const char* key) {
    std::string v = file.getText(CQX710Base::kSection, key);
    const std::string gbk = wire::utf8ToGbk(v);
    if (gbk.size() <= 254) return v;
    return wire::gbkToUtf8(gbk.substr(0, 254));
}

int profileInt(const ini::IniFile& file, const char* key) {
    return wire::parseInt(profileValue(file, key));
}

}  // namespace

void CQX710Base::storeFile(ini::IniFile& file) {
    const auto& f = form();
    const std::string s = kSection;
    file.setText(s, "身份码", f.text(kIdentity));
    file.setInt(s, "基站频率表版本号A", f.intValue(kVersionA));
    file.setInt(s, "基站频率表版本号B", f.intValue(kVersionB));
    file.setInt(s, "电台类型", f.radio(kControlDesk));
    file.setInt(s, "基站编号A", f.intValue(kBaseNumber));
    file.setText(s, "机主姓名", f.text(kOwnerName));
    file.setText(s, "身份信息", f.text(kOwnerText));
    file.setInt(s, "信道间隔", f.radio(kSpacing25) == 0 ? 0 : 1);
    file.setInt(s, "默认频率编号", f.intValue(kDefaultNumber));
    file.setText(s, "脱网信道频率", f.text(kOffNet));
    file.setText(s, "默认信道发射频率", f.text(kDefaultTx));
    file.setText(s, "默认信道接收频率", f.text(kDefaultRx));
    file.setInt(s, "基站编号B", f.intValue(kTablePage));
    for (std::size_t r = 0; r < 4; ++r) file.setText(s, kTxKeys[r], f.text(kRowTx[r]));
    for (std::size_t r = 0; r < 4; ++r) file.setText(s, kRxKeys[r], f.text(kRowRx[r]));
    file.setInt(s, "报警电话号码类型", f.radio(kAlarmByIdentity) == 0 ? 0 : 1);
    file.setText(s, "报警电话", f.text(kAlarmNumber));
    file.setInt(s, "加密选项", f.radio(kEncryptOn));
    file.setInt(s, "密钥参数", f.intValue(kKeyParameter));
    file.setText(s, "密钥字", f.text(kKeyWord));
    for (const auto& [key, id] : kTimingKeys) file.setText(s, key, f.text(id));
}

void CQX710Base::loadFile(const ini::IniFile& file) {
    // Every key with an empty default: an absent number reads as 0, an absent text as empty.
    // An index outside its list selects nothing.
    auto& f = form();
    f.setText(kIdentity, profileValue(file, "身份码"));
    f.setInt(kVersionA, profileInt(file, "基站频率表版本号A"));
    f.setInt(kVersionB, profileInt(file, "基站频率表版本号B"));
    f.setRadio(kControlDesk, profileInt(file, "电台类型"));
    f.setInt(kBaseNumber, profileInt(file, "基站编号A"));
    f.setText(kOwnerName, profileValue(file, "机主姓名"));
    f.setText(kOwnerText, profileValue(file, "身份信息"));
    // The spacing sets the channel step as clicking its radio does, so that the frequencies of a
    // 12.5 kHz file are written with their own step.
    setSpacing(profileValue(file, "信道间隔") != "0");
    f.setInt(kDefaultNumber, profileInt(file, "默认频率编号"));
    f.setText(kOffNet, profileValue(file, "脱网信道频率"));
    f.setText(kDefaultTx, profileValue(file, "默认信道发射频率"));
    f.setText(kDefaultRx, profileValue(file, "默认信道接收频率"));
    f.setInt(kTablePage, profileInt(file, "基站编号B"));
    for (std::size_t r = 0; r < 4; ++r) {
        f.setText(kRowTx[r], profileValue(file, kTxKeys[r]));
        f.setText(kRowRx[r], profileValue(file, kRxKeys[r]));
    }
    f.setRadio(kAlarmByIdentity, profileValue(file, "报警电话号码类型") == "0" ? 0 : 1);
    f.setText(kAlarmNumber, profileValue(file, "报警电话"));
    f.setRadio(kEncryptOn, profileInt(file, "加密选项"));
    f.setInt(kKeyParameter, profileInt(file, "密钥参数"));
    f.setText(kKeyWord, profileValue(file, "密钥字"));
    for (const auto& [key, id] : kTimingKeys) f.setText(id, profileValue(file, key));
    for (int id : {kIdentity, kOwnerName, kOwnerText, kAlarmNumber, kKeyWord}) accepted_.accept(id);
}

}  // namespace rb::families::qx710
