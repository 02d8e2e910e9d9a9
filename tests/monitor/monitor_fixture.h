// A session on a manual clock with a fake port, a scripted prompter and a private history file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::testing {

class MonitorFixture : public ::testing::Test {
protected:
    MonitorFixture()
        : dir_(makeDir()), session(timers, prompter, engine::UserPaths::inDirectory(dir_)) {
        session.tool = wire::CCommTool([] { return std::string("2008-08-11 09:30:05"); });
        session.theComm.setOpener(opener.opener());
        engine::PortRequest r;
        r.device = "fake";
        session.theComm.Open(r);
    }
    ~MonitorFixture() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }

    static std::string makeDir() {
        static int n = 0;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        auto dir = std::filesystem::path(::testing::TempDir()) /
                   ("rb_monitor_" + std::string(info->name()) + "_" + std::to_string(++n));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir.string();
    }

    std::vector<wire::Bytes>& writes() { return opener.last->writes; }
    std::string receivedTrace(const wire::Bytes& frame) {
        return session.tool.FormatRecvTrace(frame);
    }

    std::string dir_;
    engine::ManualTimers timers;
    engine::ScriptedPrompter prompter;
    FakeOpener opener;
    engine::Session session;
};

}  // namespace rb::testing
