// A bench for the train-station pages: the real container on a fake port (or on the built-in
// simulated station), a manual clock, a scripted prompter and a private per-user folder. Tests
// click controls by id and play the station by hand.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/train/train_base.h"
#include "families/train/train_container.h"
#include "families/train/train_key.h"
#include "link/sim_link.h"
#include "support/fake_link.h"
#include "support/family_bench.h"
#include "wire/codecs.h"

namespace rb::testing {

// The station's folder is a scratch folder like every bench's.
using TrainScratchDir = ScratchDir;

struct TrainBench : Bench96<families::train::CTrainDlg> {
    explicit TrainBench(bool simulated = false) {
        makeContainer();
        if (simulated) {
            openSimulator("train");
        } else {
            openFake(9600);
        }
    }

    // A fresh container on the same port and station (what a second session would see).
    std::unique_ptr<families::train::CTrainDlg> replaceContainer() {
        auto old = std::move(container);
        container = std::make_unique<families::train::CTrainDlg>(session);
        session.theComm.SetWnd(container.get());
        return old;
    }

    families::train::TrainState& state() { return container->state(); }
};

// Public-parameter bytes 6-15 of an ordinary station at 25 kHz, 12.5 kHz and 6.25 kHz.
inline const wire::Bytes kTrainCommon25 = {0, 0, 0x40, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0xAA};
inline const wire::Bytes kTrainCommon12_5 = {0, 0, 0x40, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0x55};
inline const wire::Bytes kTrainCommon6_25 = {0, 0, 0x40, 0x44, 0x44, 0xCC, 3, 0, 0x22, 0x66};

inline wire::Bytes trainConcat(std::initializer_list<wire::Bytes> parts) {
    wire::Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// Every control of the page holds the same text and value in both forms.
inline void expectSameTrainPage(const engine::FormModel& got, const engine::FormModel& want,
                                const std::vector<int>& except = {}) {
    for (int id : want.ids()) {
        if (std::find(except.begin(), except.end(), id) != except.end()) continue;
        EXPECT_EQ(got.control(id).text, want.control(id).text) << "control " << id;
        EXPECT_EQ(got.control(id).value, want.control(id).value) << "control " << id;
        EXPECT_EQ(got.control(id).enabled, want.control(id).enabled) << "control " << id;
    }
}

}  // namespace rb::testing
