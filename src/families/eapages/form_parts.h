// Form pieces the pages of both 0xEA families declare alike: the identity block of the base
// pages (身份码, 鉴权 / 取消鉴权, 系统类别, numbered alike) and the label-and-control row.
#pragma once

#include "engine/form_model.h"

namespace rb::families::eapages {

namespace identity_ids {
inline constexpr int kIdentity = 1007;  // 身份码
inline constexpr int kAuthOn = 2429;    // 鉴权 (index 0); group 2429
inline constexpr int kAuthOff = 1430;   // 取消鉴权 (index 1)
inline constexpr int kCategory = 1433;  // 系统类别 combo
}  // namespace identity_ids

// The identity edit ("1"), the authentication radios (取消鉴权 ticked) and the category combo.
void declareIdentity(engine::FormModel& f);

// A label and its control in one row.
engine::LayoutItem labelled(const char* text, int id);

}  // namespace rb::families::eapages
