// Muster (召集) and roll call (点名): the dispatcher's forced commands of the QX-7100 ship
// stations and the WZ-4040 trunking terminals, with the same slot edits, frames and answers.
//
//   0x31 muster:    EA 31 00 31, 0x10 (16 entries), 16 identities of 3 bytes, cs   (54 bytes)
//   0x32 roll call: EA 61 00 32, 0x20 (32 entries), 32 identities of 3 bytes, cs   (102 bytes)
//   answers 0x41 "召集数据返回成功" and 0x42 "点名数据回送返回成功" (their data is not decoded)
//
// The frames always carry every slot; the number of ships meant is not sent. A slot's text is
// read as the C library's atoi does (an empty slot sends identity 0).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/form_model.h"
#include "wire/frame.h"

namespace rb::families::dispatch {

inline constexpr std::size_t kMusterSlots = 16;
inline constexpr std::size_t kRollCallSlots = 32;
inline constexpr std::uint8_t kMusterCode = 0x31;
inline constexpr std::uint8_t kRollCallCode = 0x32;
inline constexpr std::uint8_t kMusterAnswer = 0x41;
inline constexpr std::uint8_t kRollCallAnswer = 0x42;
inline constexpr const char* kMusterAnswerText = "召集数据返回成功";
inline constexpr const char* kRollCallAnswerText = "点名数据回送返回成功";

// Edit ids of the slots, slot 01 first.
extern const std::array<int, kMusterSlots> kMusterSlotIds;
extern const std::array<int, kRollCallSlots> kRollCallSlotIds;

// The 24-bit identity a slot text stands for (atoi, low 24 bits on the wire).
std::uint32_t slotIdentity(const std::string& text);

// Slot identities are 0-262143 (an empty slot stands for 0). The refusal of the first slot whose
// text is no such number ("召集船01身份码设置错误,请设为0-262143!"), nothing when all are.
inline constexpr long long kMaxSlotIdentity = 0x3FFFF;
std::optional<std::string> musterRefusal(const engine::FormModel& form);
std::optional<std::string> rollCallRefusal(const engine::FormModel& form);

// Entry count, then every identity, most significant byte first.
wire::Bytes musterFrame(const std::array<std::uint32_t, kMusterSlots>& identities);
wire::Bytes rollCallFrame(const std::array<std::uint32_t, kRollCallSlots>& identities);

// Declares the slot edits with their initial texts (the slot numbers "1" ... "16" / "32"):
// at most 6 characters, except muster slots 04, 13, 14 and 15, which have no limit.
void declareSlots(engine::FormModel& form);
// The identities the slot edits hold now.
std::array<std::uint32_t, kMusterSlots> musterIdentities(const engine::FormModel& form);
std::array<std::uint32_t, kRollCallSlots> rollCallIdentities(const engine::FormModel& form);
// The two slot tables for the page layout: "01" label and edit pairs, `columns` pairs a row.
engine::LayoutItem musterSlotGrid(int columns);
engine::LayoutItem rollCallSlotGrid(int columns);

}  // namespace rb::families::dispatch
