// A session on a manual clock, with an open fake port, a scripted prompter, a fixed trace time
// and a history file of its own.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::testing {

// Records boxes like the scripted prompter; `onBox` runs while a box is "open" (a modal loop
// runs timers meanwhile).
struct BoxPrompter : engine::ScriptedPrompter {
    engine::Answer message(const engine::MessageBox& box) override {
        if (onBox) onBox();
        return ScriptedPrompter::message(box);
    }
    std::function<void()> onBox;
};

class MonitorFixture : public ::testing::Test {
protected:
    MonitorFixture()
        : session(timers, prompter, engine::UserPaths::inDirectory(::testing::TempDir())) {
        const auto* t = ::testing::UnitTest::GetInstance()->current_test_info();
        session.paths.historyFile += std::string(".") + t->test_suite_name() + "." + t->name();
        std::remove(session.paths.historyFile.c_str());
        session.tool = wire::CCommTool([] { return std::string("2008-08-11 09:30:05"); });
        session.theComm.setOpener(opener.opener());
        engine::PortRequest r;
        r.device = "fake";
        session.theComm.Open(r);
    }
    ~MonitorFixture() override { std::remove(session.paths.historyFile.c_str()); }

    std::vector<wire::Bytes>& writes() { return opener.last->writes; }
    // A received frame, traced as the container traces it.
    void receive(const wire::Bytes& frame) {
        session.AppendTrace(frame[3], session.tool.FormatRecvTrace(frame));
    }

    engine::ManualTimers timers;
    BoxPrompter prompter;
    FakeOpener opener;
    engine::Session session;
};

}  // namespace rb::testing
