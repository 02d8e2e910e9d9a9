// radiobench-cli given what a careless user gives it: files that are not the type's
// configuration, outputs it cannot write, the production page without its code, long or broken
// script lines. Each is refused with its message and exit status before anything is sent (the
// --trace output holds no "发送信息").
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string output;  // standard output and standard error
};

class BadInputCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("rb_bad_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
    }
    std::string slurp(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Runs the command line in the test's folder, with its own per-user folder; `input` is its
    // standard input.
    CliRun run(const std::string& args, const std::string& input = {}) const {
        put("stdin.txt", input);
        const std::string cmd = "cd " + dir_.string() +
                                " && RADIOBENCH_CONFIG_DIR=" + dir_.string() +
                                "/cfg RADIOBENCH_ACCESS_FILE=" + dir_.string() + "/access.conf " +
                                RB_CLI_BINARY + " " + args + " <" + path("stdin.txt") + " 2>&1";
        CliRun r;
        FILE* pipe = ::popen(cmd.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            r.output.append(buffer, n);
        const int status = ::pclose(pipe);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }
    static bool sentSomething(const CliRun& r) {
        return r.output.find("发送信息(") != std::string::npos;
    }

    fs::path dir_;
};

TEST_F(BadInputCliTest, FilesThatAreNotTheTypesConfigurationSendNothing) {
    std::mt19937 random(7);
    std::string noise(4096, '\0');
    for (char& c : noise) c = char(random());
    put("empty.ini", "");
    put("random.ini", noise);
    put("lm52r.ini", "[TelSet]\r\nPTT Hold=30\r\nSendFrequency01=4000000\r\n");
    put("stranger.ini", "[TelSet]\r\nWhatever=1\r\n");
    put("qx710.ini", "[QX710]\r\n默认频率编号=3\r\n");
    put("big.ini", "[TelSet]\r\n" + std::string(5 * 1024 * 1024, ';'));
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // type, file, what the refusal says
        {"lm52r", "empty.ini", "the file is empty"},
        {"netradio", "random.ini", "not a text file"},
        {"train", "qx710.ini", "no [TelSet] section"},
        {"lm52r", "stranger.ini", "none of the keys"},
        {"qx710", "lm52r.ini", "no [QX710] section"},
        {"protest", "lm52r.ini", "no [ProTest] section"},
        {"protest", "empty.ini", "the file is empty"},
        {"lm52r", "big.ini", "not a configuration file: "},
    };
    for (const auto& [type, file, said] : cases) {
        const CliRun r =
            run("write " + type + " --port sim --yes --verify --trace --access-code 4lotus --in " +
                file);
        EXPECT_EQ(r.status, 5) << type << " " << file << "\n" << r.output;
        EXPECT_NE(r.output.find(said), std::string::npos) << type << " " << file << "\n"
                                                          << r.output;
        EXPECT_FALSE(sentSomething(r)) << type << " " << file << "\n" << r.output;
    }
}

TEST_F(BadInputCliTest, APartialFileIsWrittenWithAWarningNamingTheMissingKeys) {
    ASSERT_EQ(run("read lm52r --port sim --out a.ini").status, 0);
    std::string text = slurp("a.ini");
    const auto at = text.find("PTT Hold=");
    ASSERT_NE(at, std::string::npos);
    text.erase(at, text.find('\n', at) - at + 1);
    put("partial.ini", text);
    const CliRun r = run("write lm52r --port sim --yes --in partial.ini");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("warning: partial.ini lacks 1 key, written as the defaults: "
                            "TelSet/PTT Hold"),
              std::string::npos)
        << r.output;
}

TEST_F(BadInputCliTest, OutputsThatCannotBeWrittenAreRefusedBeforeTheFirstRequest) {
    put("kept.ini", "[TelSet]\r\nPTT Hold=30\r\n");
    ::chmod(path("kept.ini").c_str(), 0444);
    fs::create_directories(path("locked"));
    const std::pair<std::string, std::string> cases[] = {
        {"read lm52r --port sim --trace --out kept.ini", "the file is read-only"},
        {"read lm52r --port sim --trace --out /proc/rb-nowhere.ini", "cannot take the file"},
        {"read lm52r --port sim --trace --out no/such/folder/a.ini", "does not exist"},
        {"read lm52r --port sim --trace --out locked", "is a directory"},
        {"read lm52r --port sim --trace --out fresh.ini --trace-file kept.ini",
         "the file is read-only"},
    };
    for (const auto& [args, said] : cases) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 5) << args << "\n" << r.output;
        EXPECT_NE(r.output.find(said), std::string::npos) << args << "\n" << r.output;
        EXPECT_FALSE(sentSomething(r)) << args << "\n" << r.output;
    }
    EXPECT_EQ(slurp("kept.ini"), "[TelSet]\r\nPTT Hold=30\r\n");
    EXPECT_FALSE(fs::exists(path("fresh.ini")));
}

TEST_F(BadInputCliTest, TheProductionPageNeedsItsCodeOnEveryPath) {
    const std::tuple<std::string, std::string, int, std::string> cases[] = {
        // arguments, script, status, what it says
        {"run protest --port sim --trace", "", 2, "--access-code is needed for protest"},
        {"run lm52r --port sim --trace", "type protest\nclick 2090\n", 2,
         "--access-code is needed for protest"},
        {"run lm52r --port sim --trace --access-code wrong", "type protest\n", 2, "密码不正确!"},
        {"read protest --port sim --trace --out p.ini", "", 2,
         "--access-code is needed for protest"},
        {"write protest --port sim --trace --yes --in p.ini", "", 2,
         "--access-code is needed for protest"},
        {"read protest --port sim --out p.ini --access-code nope", "", 2, "密码不正确!"},
    };
    for (const auto& [args, script, status, said] : cases) {
        const CliRun r = run(args, script);
        EXPECT_EQ(r.status, status) << args << "\n" << r.output;
        EXPECT_NE(r.output.find(said), std::string::npos) << args << "\n" << r.output;
        EXPECT_FALSE(sentSomething(r) && script.empty()) << args << "\n" << r.output;
        EXPECT_EQ(r.output.find("初始化机型"), std::string::npos) << args;
    }
    // With the code, `type protest` opens the page.
    const CliRun r = run("run lm52r --port sim --access-code 4lotus", "type protest\nget 1128\n");
    EXPECT_EQ(r.status, 0) << r.output;
}

TEST_F(BadInputCliTest, ASitesOwnCodeReplacesTheDocumentedOneForEveryProgram) {
    CliRun r = run("access set protest", "plant-7\n");
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string store = slurp("access.conf");
    EXPECT_EQ(store.find("plant-7"), std::string::npos) << "only the hash is kept";
    EXPECT_NE(store.find("protest=pbkdf2-sha256$"), std::string::npos) << store;
    EXPECT_EQ(run("run protest --port sim --access-code 4lotus").status, 2);
    EXPECT_EQ(run("run protest --port sim --access-code plant-7", "get 1128\n").status, 0);
    // The monitor's code is untouched by it.
    r = run("access set shop", "x\n");
    EXPECT_EQ(r.status, 2) << r.output;
}

TEST_F(BadInputCliTest, RunAnswersInValidJsonWithEchoesCutShort) {
    const std::string longWord(1'000'000, 'q');
    CliRun r = run("run lm52r --port sim", "bogus\xff\xfe\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.output.find("\"cmd\":\"bogus\xEF\xBF\xBD\xEF\xBF\xBD\""), std::string::npos)
        << r.output;
    r = run("run lm52r --port sim", longWord + "\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_LT(r.output.size(), 1000u);
    EXPECT_NE(r.output.find(std::string(200, 'q') + "…\""), std::string::npos);
    // A text longer than its field is a script error, never a silent no.
    r = run("run lm52r --port sim", "tab 1\nset 1007 1234567\n");
    EXPECT_EQ(r.status, 2) << r.output;
    EXPECT_NE(r.output.find("longer than control 1007 takes (5 characters)"), std::string::npos)
        << r.output;
    r = run("run lm52r --port sim", "tab 1\nset 1056 一二三四五六七八九十\n");
    EXPECT_EQ(r.status, 2) << r.output;
    EXPECT_NE(r.output.find("control 1056 did not take the text"), std::string::npos) << r.output;
}

TEST_F(BadInputCliTest, SendWarnsOfAWrongChecksumAndReportsSilence) {
    CliRun r = run("send --port sim 96 05 80 16 00 01 05");
    EXPECT_NE(r.output.find("warning: checksum 05 is wrong, expected 04"), std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("no answer within 2000 ms"), std::string::npos) << r.output;
    EXPECT_EQ(r.status, 1);
    r = run("send --port sim 96 05 80 16 00 01 04");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output.find("warning"), std::string::npos) << r.output;
}

TEST_F(BadInputCliTest, LM520NamesTheLM52RType) {
    const CliRun r = run("read lm520 --port sim --out a.ini");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(slurp("a.ini").find("[TelSet]"), std::string::npos);
    const CliRun help = run("write --help");
    EXPECT_NE(help.output.find("Exit status:"), std::string::npos);
    EXPECT_NE(help.output.find("6  --verify"), std::string::npos);
    EXPECT_EQ(help.output.find("wz4040"), std::string::npos) << help.output;
}

}  // namespace
