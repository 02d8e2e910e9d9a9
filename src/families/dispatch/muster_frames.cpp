#include "families/dispatch/muster_frames.h"

#include <cstdio>

#include "wire/codecs.h"
#include "wire/text_format.h"

namespace rb::families::dispatch {

namespace {

constexpr int kSlotChars = 6;

using wire::twoDigits;

// Slots 04, 13, 14 and 15 of the muster table take any length.
bool unlimitedMusterSlot(std::size_t slot) {
    return slot == 4 || slot == 13 || slot == 14 || slot == 15;
}

template <std::size_t N>
wire::Bytes entriesFrame(std::uint8_t code, const std::array<std::uint32_t, N>& identities) {
    wire::Bytes payload{std::uint8_t(N)};
    for (std::uint32_t id : identities) wire::putU24be(payload, id);
    return wire::frameEA(code, payload);
}

template <std::size_t N>
std::array<std::uint32_t, N> identitiesOf(const engine::FormModel& form,
                                          const std::array<int, N>& ids) {
    std::array<std::uint32_t, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = slotIdentity(form.text(ids[i]));
    return out;
}

template <std::size_t N>
std::optional<std::string> slotsRefusal(const engine::FormModel& form,
                                        const std::array<int, N>& ids, const char* list) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::string& text = form.text(ids[i]);
        if (text.empty()) continue;
        const auto v = wire::parseWhole(text);
        if (!v || *v < 0 || *v > kMaxSlotIdentity)
            return std::string(list) + twoDigits(i + 1) + "身份码设置错误,请设为0-262143!";
    }
    return std::nullopt;
}

template <std::size_t N>
engine::LayoutItem slotGrid(const std::array<int, N>& ids, int columns) {
    namespace L = engine::layout;
    std::vector<engine::LayoutItem> cells;
    for (std::size_t i = 0; i < N; ++i) {
        cells.push_back(L::label(twoDigits(i + 1)));
        cells.push_back(L::ctl(ids[i]));
    }
    return L::grid(columns * 2, std::move(cells));
}

}  // namespace

const std::array<int, kMusterSlots> kMusterSlotIds = {
    2047, 2049, 2050, 1051, 1070, 1071, 1072, 1073, 1074, 1075, 1076, 1077, 1078, 1079, 1080, 1081};

const std::array<int, kRollCallSlots> kRollCallSlotIds = [] {
    std::array<int, kRollCallSlots> ids{1064, 1065, 1068, 1069, 1082, 1083, 1084, 1085, 1086};
    for (std::size_t i = 9; i < kRollCallSlots; ++i) ids[i] = 1087 + int(i - 9);  // 10-32
    return ids;
}();

std::uint32_t slotIdentity(const std::string& text) {
    return std::uint32_t(wire::parseInt(text)) & 0xFFFFFF;
}

wire::Bytes musterFrame(const std::array<std::uint32_t, kMusterSlots>& identities) {
    return entriesFrame(kMusterCode, identities);
}

wire::Bytes rollCallFrame(const std::array<std::uint32_t, kRollCallSlots>& identities) {
    return entriesFrame(kRollCallCode, identities);
}

void declareSlots(engine::FormModel& form) {
    for (std::size_t i = 0; i < kMusterSlots; ++i) {
        const int limit = unlimitedMusterSlot(i + 1) ? 0 : kSlotChars;
        form.addEdit(kMusterSlotIds[i], limit, std::to_string(i + 1));
    }
    for (std::size_t i = 0; i < kRollCallSlots; ++i)
        form.addEdit(kRollCallSlotIds[i], kSlotChars, std::to_string(i + 1));
}

std::array<std::uint32_t, kMusterSlots> musterIdentities(const engine::FormModel& form) {
    return identitiesOf(form, kMusterSlotIds);
}

std::array<std::uint32_t, kRollCallSlots> rollCallIdentities(const engine::FormModel& form) {
    return identitiesOf(form, kRollCallSlotIds);
}

std::optional<std::string> musterRefusal(const engine::FormModel& form) {
    return slotsRefusal(form, kMusterSlotIds, "召集船");
}

std::optional<std::string> rollCallRefusal(const engine::FormModel& form) {
    return slotsRefusal(form, kRollCallSlotIds, "点名船");
}

engine::LayoutItem musterSlotGrid(int columns) { return slotGrid(kMusterSlotIds, columns); }

engine::LayoutItem rollCallSlotGrid(int columns) { return slotGrid(kRollCallSlotIds, columns); }

}  // namespace rb::families::dispatch
