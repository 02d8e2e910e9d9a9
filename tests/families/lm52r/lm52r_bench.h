// A bench for the LM52R pages: the real LM52R container on a fake port (or on the built-in
// simulated terminal), a manual clock, a scripted prompter and a private per-user folder.
// Tests click controls by id and play the terminal by hand.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/hopmap/hop_map.h"
#include "families/lm52r/lm52r_base.h"
#include "families/lm52r/lm52r_container.h"
#include "families/lm52r/lm52r_crew.h"
#include "families/lm52r/lm52r_user.h"
#include "link/sim_link.h"
#include "support/fake_link.h"
#include "support/family_bench.h"
#include "wire/codecs.h"

namespace rb::testing {

struct Lm52rBench : Bench96<families::lm52r::CLM52R> {
    explicit Lm52rBench(bool simulated = false) {
        makeContainer();
        if (simulated) {
            openSimulator("lm52r");
        } else {
            openFake(9600);
        }
    }

    families::lm52r::CLM52RBase& base() { return container->base(); }
    families::lm52r::Lm52rState& state() { return container->state(); }
};

// Common-parameter bytes 6-15 of an ordinary terminal at 25 kHz and at 12.5 kHz.
inline const wire::Bytes kCommon25 = {0, 0, 0x00, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};
inline const wire::Bytes kCommon12_5 = {0, 0, 0x00, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0x55};

// The payload of an answer frame of `frameLength` bytes, zero but for 00 01: payload[k - 4] is
// frame byte k.
inline wire::Bytes payloadOf(std::size_t frameLength) {
    wire::Bytes p(frameLength - 5, 0);
    p[1] = 0x01;
    return p;
}

// A text as the terminal holds it: GBK, zero-filled to `width` bytes.
inline wire::Bytes gbk(const std::string& utf8, std::size_t width) {
    wire::Bytes out;
    wire::putGbkField(out, utf8, width);
    return out;
}

inline wire::Bytes concat(std::initializer_list<wire::Bytes> parts) {
    wire::Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Puts a value unlike the opening one, the read resets' and the simulated terminal's factory
// contents into every control of the three pages that holds one. The frequencies suit 12.5 kHz;
// a read asks for channel group 1, so that is the group written.
inline void fillEverything(Lm52rBench& b) {
    namespace ids = families::lm52r::base_ids;
    namespace uid = families::lm52r::user_ids;
    namespace hop = families::hopmap;
    auto& f = b.form(0);
    for (int id : {ids::kSpacing12_5, ids::kCompanderOff, ids::kPowerLow, ids::kBeepPttOff})
        f.click(id);
    f.setChecked(ids::kBacklight, false);  // hidden: no click
    f.type(ids::kPttEdit, "255");
    f.type(ids::kStandbyEdit, "1");
    f.type(ids::kVoxEdit, "65535");
    f.select(ids::kParityList, 2);
    f.select(ids::kSpeedList, 9);
    f.select(ids::kDataBitsList, 4);
    f.select(ids::kStopBitsList, 1);
    f.select(ids::kAirSpeedList, 3);
    for (int k = 1; k <= 16; ++k) {
        const auto& row = ids::kRows[k - 1];
        f.type(row.tx, std::to_string(3500000 + 125 * k));
        f.type(row.rx, std::to_string(8191750 - 125 * k));
        for (int j = 0; j < 6; ++j) f.setChecked(row.flags[j], (k + j) % 2 == 0);
        b.state().chanEncryType[k - 1] = std::uint8_t(16 - k);
        b.state().chanHFType[k - 1] = std::uint8_t(k % 4);
    }

    auto& u = b.form(1);
    u.type(uid::kCategoryEdit, "4");
    u.type(uid::kIdentityEdit, "65535");
    u.type(uid::kOwnerNameEdit, "一二三四五六七八九A");  // 19 bytes
    u.type(uid::kOwnerTextEdit, "机务段 A-7 调度");
    // 绑定允许 on, 守候全有效 stays off, 鉴权 off.
    for (int id : {uid::kRelayCheck, uid::kAuthCheck, uid::kBindAllowedCheck}) u.click(id);
    for (int k = 0; k < 16; ++k) {
        u.type(uid::kBindingEdits[k], std::to_string(40000 + k));
        if (k % 2) u.click(uid::kStandbyChecks[k]);
        u.setText(uid::kStandbyEdits[k], std::to_string(k * 4000));  // also the disabled ones
    }
    u.setText(uid::kSchemeEdit, "9");
    u.setText(uid::kKeyWordEdit, "密钥12");  // sent with key parameter 0
    u.select(hop::kSchemeCombo, 3);          // 32 values, length "32": what a read shows
    u.setText(hop::kDataEdit,
              "-40,39,0,-1,1,-127,127,5,-5,10,-10,20,-20,30,-30,1,2,3,4,5,6,7,"
              "8,9,10,11,12,13,14,15,16,-16,");

    auto& t = b.form(2);
    t.type(families::lm52r::crew_ids::kDispatchEdit, "9");
    t.type(families::lm52r::crew_ids::kStaffEdit, "14");
    t.click(families::lm52r::crew_ids::kLocomotiveRadio);
    t.click(families::lm52r::crew_ids::kNoResendCheck);
}

// Expects every control of the page to hold the same text and value in both forms.
inline void expectSamePage(const engine::FormModel& got, const engine::FormModel& want,
                           const std::vector<int>& except = {}) {
    for (int id : want.ids()) {
        if (std::find(except.begin(), except.end(), id) != except.end()) continue;
        EXPECT_EQ(got.control(id).text, want.control(id).text) << "control " << id;
        EXPECT_EQ(got.control(id).value, want.control(id).value) << "control " << id;
    }
}

}  // namespace rb::testing
