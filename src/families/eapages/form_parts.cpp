#include "families/eapages/form_parts.h"

namespace rb::families::eapages {

void declareIdentity(engine::FormModel& f) {
    using namespace identity_ids;
    f.addEdit(kIdentity, 0, "1");
    f.addRadio(kAuthOn, "鉴权", kAuthOn);
    f.addRadio(kAuthOff, "取消鉴权", kAuthOn).value = 1;
    f.addCombo(kCategory, {"(无)", "浙江海监系统", "福建渔监系统"}, 0);
}

engine::LayoutItem labelled(const char* text, int id) {
    namespace L = engine::layout;
    return L::row({L::label(text), L::ctl(id)});
}

}  // namespace rb::families::eapages
