// The user page's part of a configuration file: section "TelSet", under the keys existing
// installations write.
#include "families/lm52r/lm52r_user.h"
#include "wire/codecs.h"
#include "wire/text_format.h"

namespace rb::families::lm52r {

using namespace user_ids;

namespace {

constexpr const char* kSection = "TelSet";

using wire::twoDigits;

const char* flag(bool on) { return on ? "1" : "0"; }

}  // namespace

void CLM52RUser::storeFile(ini::IniFile& file) {
    const auto& f = form();
    file.setText(kSection, "BaseSite", f.text(kCategoryEdit));
    file.setText(kSection, "UserCode", f.text(kIdentityEdit));
    file.setText(kSection, "UserName", f.text(kOwnerNameEdit));
    file.setText(kSection, "UserInfo", f.text(kOwnerTextEdit));
    file.setInt(kSection, "EncryptPara", wire::parseLong(f.text(kKeyParamEdit)));
    file.setText(kSection, "DefineKey", f.text(kKeyWordEdit));
    file.setRaw(kSection, "Allow Bind", flag(f.checked(kBindAllowedCheck)));
    file.setRaw(kSection, "All Availability", flag(f.checked(kAllStandbyCheck)));
    for (int k = 1; k <= 16; ++k) {
        file.setText(kSection, "ChannelBind" + twoDigits(k), f.text(kBindingEdits[k - 1]));
    }
    for (int g = 1; g <= 16; ++g) {
        const std::string key = "Group" + twoDigits(g);
        file.setText(kSection, key, f.text(kStandbyEdits[g - 1]));
        file.setRaw(kSection, key + "Sel", flag(f.checked(kStandbyChecks[g - 1])));
    }
}

void CLM52RUser::loadFile(const ini::IniFile& file) {
    auto& f = form();
    f.setText(kCategoryEdit, file.getText(kSection, "BaseSite"));
    f.setText(kIdentityEdit, file.getText(kSection, "UserCode"));
    setGuardedText(kOwnerNameEdit, file.getText(kSection, "UserName"));
    setGuardedText(kOwnerTextEdit, file.getText(kSection, "UserInfo"));
    f.setInt(kKeyParamEdit, file.getInt(kSection, "EncryptPara"));
    setGuardedText(kKeyWordEdit, file.getText(kSection, "DefineKey"));
    f.setChecked(kBindAllowedCheck, file.getInt(kSection, "Allow Bind") != 0);
    f.setChecked(kAllStandbyCheck, file.getInt(kSection, "All Availability") != 0);
    showBindingEdits();
    for (int k = 1; k <= 16; ++k) {
        f.setText(kBindingEdits[k - 1], file.getText(kSection, "ChannelBind" + twoDigits(k)));
    }
    for (int g = 1; g <= 16; ++g) {
        const std::string key = "Group" + twoDigits(g);
        f.setText(kStandbyEdits[g - 1], file.getText(kSection, key));
        showStandbySelection(g, file.getInt(kSection, key + "Sel") != 0);
    }
}

}  // namespace rb::families::lm52r
