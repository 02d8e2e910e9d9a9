// Every built container's "存储文件" / "打开文件" where the file cannot be written or read: a
// path that is a folder, a folder that does not exist, a read-only file system, a disk that
// fills up. The technician sees the failure box, never the success text, and the file that was
// there before is left as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "engine/container.h"
#include "engine/prompter.h"
#include "engine/session.h"
#include "engine/timers.h"
#include "families/catalog/catalog.h"

namespace rb::families {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Saves with the file-size limit set, as a full disk would stop the write.
bool storeOnAFullDisk(engine::Container& c, const std::string& path) {
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit limit = previous;
    limit.rlim_cur = 64;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool ok = c.storeFile(path, true);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, handler);
    return ok;
}

TEST(FileFailures, EveryContainerShowsTheFailureAndKeepsTheOldFile) {
    const fs::path dir = fs::temp_directory_path() / ("rb_filefail_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "folder.ini");
    int containers = 0;
    for (const TerminalType& type : terminalTypes()) {
        engine::ManualTimers timers;
        engine::ScriptedPrompter prompter;
        engine::Session session(timers, prompter, engine::UserPaths::inDirectory(dir.string()));
        auto c = makeContainer(containerKeyOf(type.key), session);
        if (!c || !c->config().fileButtons || c->filePages().empty()) continue;
        ++containers;
        SCOPED_TRACE(type.key);
        const std::string good = (dir / (type.key + ".ini")).string();
        ASSERT_TRUE(c->storeFile(good, true));
        EXPECT_EQ(prompter.lastText(), "文件保存成功!");
        const std::string before = slurp(good);
        ASSERT_FALSE(before.empty());

        for (const std::string& bad :
             {(dir / "folder.ini").string(), (dir / "no-such-folder" / "a.ini").string(),
              std::string("/proc/rb_not_writable.ini")}) {
            SCOPED_TRACE(bad);
            EXPECT_FALSE(c->storeFile(bad, true));
            EXPECT_EQ(prompter.lastText(), "文件保存失败!");
        }
        EXPECT_FALSE(storeOnAFullDisk(*c, good));
        EXPECT_EQ(prompter.lastText(), "文件保存失败!");
        EXPECT_EQ(slurp(good), before);

        for (const std::string& bad :
             {(dir / "folder.ini").string(), (dir / "missing.ini").string()}) {
            EXPECT_FALSE(c->loadFile(bad, true)) << bad;
            EXPECT_EQ(prompter.lastText(), "文件打开失败!");
        }
        // The good file still loads.
        EXPECT_TRUE(c->loadFile(good, true));
        EXPECT_EQ(prompter.lastText(), "文件打开成功!");
    }
    EXPECT_GE(containers, 1);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace rb::families
