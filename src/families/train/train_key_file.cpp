// The key page's part of a configuration file (section "TelSet", after the base page's keys).
// The channel and the key settings are not filed.
#include "families/train/train_codes.h"
#include "families/train/train_key.h"

namespace rb::families::train {

using namespace key_ids;

void CTrainKey::storeFile(ini::IniFile& file) {
    const auto& f = form();
    const int type = f.radio(kHandheldRadio);
    file.setText(kSection, "UserCode", f.text(kIdentityEdit));
    file.setText(kSection, "UserName", f.text(kOwnerNameEdit));
    file.setText(kSection, "UserInfo", f.text(kOwnerTextEdit));
    file.setRaw(kSection, "JQ", f.checked(kAuthCheck) ? "1" : "0");
    file.setText(kSection, "DH", f.text(kDispatchEdit));
    file.setText(kSection, "PH", f.text(kStaffEdit));
    // "Type" as existing installations read it (0 hand-held, else 1), and the exact type.
    file.setRaw(kSection, "Type", type == kHandheld ? "0" : "1");
    if (type >= 0) file.setInt(kSection, kStationTypeKey, type);
}

void CTrainKey::loadFile(const ini::IniFile& file) {
    auto& f = form();
    f.setText(kIdentityEdit, file.getText(kSection, "UserCode"));
    setGuardedText(kOwnerNameEdit, file.getText(kSection, "UserName"));
    setGuardedText(kOwnerTextEdit, file.getText(kSection, "UserInfo"));
    f.setChecked(kAuthCheck, file.getInt(kSection, "JQ") != 0);
    f.setText(kDispatchEdit, file.getText(kSection, "DH"));
    f.setText(kStaffEdit, file.getText(kSection, "PH"));
    updateIdentity();  // replaces the stored "UserCode"
    // Our own key, when present and in range, names the type exactly; "Type" tells only
    // hand-held (0) from not.
    const int exact = file.getInt(kSection, kStationTypeKey, -1);
    if (exact >= kHandheld && exact <= kOrdinary) {
        selectType(exact);
    } else {
        selectType(file.getInt(kSection, "Type") != 0 ? kSectionChief : kHandheld);
    }
}

}  // namespace rb::families::train
