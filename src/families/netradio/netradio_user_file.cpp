// The user page's part of a configuration file: section "TelSet", under the keys existing
// installations write.
#include "families/netradio/netradio_user.h"
#include "wire/codecs.h"

namespace rb::families::netradio {

using namespace user_ids;

void CNetRadioUser::storeFile(ini::IniFile& file) {
    const auto& f = form();
    file.setText(kSection, "UserCode", f.text(kIdentityEdit));
    file.setText(kSection, "UserName", f.text(kOwnerNameEdit));
    file.setText(kSection, "UserInfo", f.text(kOwnerTextEdit));
    file.setRaw(kSection, "JQ", f.checked(kAuthCheck) ? "1" : "0");
    file.setRaw(kSection, "GROUP", f.checked(kCrossGroupCheck) ? "1" : "0");
    file.setInt(kSection, "EncryptPara", wire::parseLong(f.text(kKeyParamEdit)));
    file.setText(kSection, "DefineKey", f.text(kKeyWordEdit));
}

void CNetRadioUser::loadFile(const ini::IniFile& file) {
    auto& f = form();
    setIdentity(file.getText(kSection, "UserCode"));
    setGuardedText(kOwnerNameEdit, file.getText(kSection, "UserName"));
    setGuardedText(kOwnerTextEdit, file.getText(kSection, "UserInfo"));
    f.setChecked(kAuthCheck, file.getInt(kSection, "JQ") != 0);
    f.setChecked(kCrossGroupCheck, file.getInt(kSection, "GROUP") != 0);
    f.setInt(kKeyParamEdit, file.getInt(kSection, "EncryptPara"));
    setGuardedText(kKeyWordEdit, file.getText(kSection, "DefineKey"));
}

}  // namespace rb::families::netradio
