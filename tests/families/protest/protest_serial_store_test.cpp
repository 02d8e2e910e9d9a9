// The serial-number store shared by every program on one machine: "初始化机型" takes the next
// number under the store's lock, reading the store afresh, so two benches never hand out the
// same machine code, whether they work at the same time or one after the other.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "ini/file_lock.h"
#include "ini/ini_file.h"
#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;

// A bench whose page reads the store at `store` (not yet shown when `build` is false).
std::unique_ptr<ProtestBench> benchOn(const std::string& store, bool build = true) {
    auto b = std::make_unique<ProtestBench>(false, false);
    b->session.paths.serialStore = store;
    if (build) b->build();
    return b;
}

TEST(ProtestSerialStore, ABenchOpenedEarlierDoesNotHandOutANumberAgain) {
    ProtestDir dir;
    const std::string store = dir.file("ProTestSerial.ini");
    auto a = benchOn(store);  // opens the page first: it shows serial 0001
    auto b = benchOn(store);
    const auto fromB = handOut(*b, 5);
    const auto fromA = handOut(*a, 5);
    ASSERT_EQ(fromB.size(), 5u);
    ASSERT_EQ(fromA.size(), 5u);
    std::set<std::uint32_t> all(fromB.begin(), fromB.end());
    all.insert(fromA.begin(), fromA.end());
    EXPECT_EQ(all.size(), 10u);
    EXPECT_EQ(a->form().text(ids::kMachineCode).substr(3), "0010");
    ini::IniFile kept;
    ASSERT_TRUE(kept.load(store));
    EXPECT_EQ(kept.getText("ProTestSerial", "SeroalPre"), "0010");
}

TEST(ProtestSerialStore, ANumberTheStoreMovedPastBeyondTheRangeIsRefused) {
    ProtestDir dir;
    const std::string store = dir.file("ProTestSerial.ini");
    {
        std::ofstream f(store);
        f << "[ProTestSerial]\nSeroalPre=0008\nSeroalEnd=0010\n";
    }
    auto a = benchOn(store);
    EXPECT_EQ(a->form().text(ids::kSerial), "0009");
    a->form().type(ids::kSerial, "0003");  // typed lower: the store has moved past it
    EXPECT_EQ(handOut(*a, 5).size(), 2u);  // 0009 and 0010, then the range is over
    EXPECT_EQ(a->prompter.lastText(), "产品序号不在设置范围内!");
}

TEST(ProtestSerialStore, ABadSerialIsRefusedBeforeTheStoreIsTouched) {
    const char* bad[] = {"abc", "12x", "-1", ""};
    for (const char* text : bad) {
        ProtestDir dir;
        auto a = benchOn(dir.file("ProTestSerial.ini"));
        a->form().type(ids::kSerial, text);
        a->form().click(ids::kInitTypeButton);
        EXPECT_TRUE(a->writes().empty()) << text;
        EXPECT_EQ(a->prompter.lastText(), "产品序号输入不正确,请设为0-9999!") << text;
        EXPECT_FALSE(std::filesystem::exists(dir.file("ProTestSerial.ini"))) << text;
    }
}

TEST(ProtestSerialStore, TwoProgramsAtOnceHandOutAHundredDistinctCodes) {
    for (const bool overlapping : {true, false}) {
        ProtestDir dir;
        const std::string store = dir.file("ProTestSerial.ini");
        {
            std::ofstream f(store);
            f << "[ProTestSerial]\nSeroalEnd=9999\n";
        }
        // Each program opens its page at once, then (overlapping) both start together when the
        // parent lets go of the store's lock, or (not) one after the other.
        auto gate = std::make_unique<ini::FileLock>(store);
        ASSERT_TRUE(gate->locked());
        std::vector<pid_t> children;
        for (int k = 0; k < 2; ++k) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                // The child's copy of the gate shares the parent's lock: let go of the copy only.
                gate.reset();
                int rc = 1;
                {
                    auto b = benchOn(store);
                    const auto codes = handOut(*b, 50);
                    std::ofstream out(dir.file("codes" + std::to_string(k)));
                    for (auto c : codes) out << c << '\n';
                    rc = codes.size() == 50 ? 0 : 2;
                }
                ::_exit(rc);
            }
            children.push_back(pid);
            if (!overlapping) {
                gate.reset();
                int status = 0;
                ::waitpid(pid, &status, 0);
                EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
                children.pop_back();
            }
        }
        gate.reset();
        for (pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        std::set<std::uint32_t> all;
        std::size_t total = 0;
        for (int k = 0; k < 2; ++k) {
            std::ifstream in(dir.file("codes" + std::to_string(k)));
            for (std::uint32_t c; in >> c; ++total) all.insert(c);
        }
        EXPECT_EQ(total, 100u) << overlapping;
        EXPECT_EQ(all.size(), 100u) << overlapping;
    }
}

}  // namespace
}  // namespace rb::testing
