// The base page's part of a configuration file: section "TelSet", exact keys, round trips and
// files written by other installations.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "families/lm52r/lm52r_user.h"
#include "ini/ini_file.h"
#include "lm52r_base_bench.h"

using rb::testing::Lm52rBaseBench;
using namespace rb;
namespace ids = rb::families::lm52r::base_ids;
namespace fs = std::filesystem;

namespace {

class Lm52rFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("lm52r_file_test_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    static std::string readAll(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void writeAll(const std::string& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }

    fs::path dir_;
};

// Puts a value different from the page's defaults into every filed control.
void fillEverything(Lm52rBaseBench& b) {
    auto& f = b.form();
    f.type(ids::kGroupEdit, "7");
    f.click(ids::kSpacing12_5);
    f.click(ids::kCompanderOff);
    f.click(ids::kPowerLow);
    f.type(ids::kPttEdit, "12");
    f.type(ids::kStandbyEdit, "34");
    f.type(ids::kVoxEdit, "65535");
    f.click(ids::kBeepPowerOn);            // off
    f.click(ids::kBeepChannel);            // off; PTT松开 stays on
    f.setChecked(ids::kBacklight, false);  // hidden: no click
    f.select(ids::kParityList, 2);
    f.select(ids::kSpeedList, 0);
    f.select(ids::kDataBitsList, 4);
    f.select(ids::kStopBitsList, 1);
    f.select(ids::kAirSpeedList, 3);
    for (int k = 1; k <= 16; ++k) {
        const auto& row = ids::kRows[k - 1];
        f.type(row.tx, std::to_string(4000000 + 125 * k));
        f.type(row.rx, std::to_string(3000000 + 250 * k));
        for (int j = 0; j < 6; ++j) {
            if ((k + j) % 3 == 0) f.click(row.flags[j]);
        }
        b.state().chanEncryType[k - 1] = std::uint8_t(k - 1);
        b.state().chanHFType[k - 1] = std::uint8_t(k % 4);
    }
}

}  // namespace

TEST_F(Lm52rFile, StoreThenOpenRestoresEveryFieldWithOneResultBoxEach) {
    const std::string file = path("bench");  // no extension: the chooser adds ".ini"
    Lm52rBaseBench a;
    fillEverything(a);
    a.prompter.files.push_back(file);
    a.container->form().click(2089);
    ASSERT_EQ(a.prompter.fileChoices.size(), 1u);
    EXPECT_TRUE(a.prompter.fileChoices[0].save);
    EXPECT_EQ(a.prompter.fileChoices[0].defaultName, "LM52R");
    EXPECT_EQ(a.prompter.fileChoices[0].defaultExtension, "ini");
    EXPECT_EQ(a.prompter.fileChoices[0].filter, "配置文件(*.ini)|*.ini||");
    EXPECT_EQ(a.prompter.texts(), (std::vector<std::string>{"文件保存成功!"}));
    ASSERT_TRUE(fs::exists(file + ".ini"));

    Lm52rBaseBench b;
    b.prompter.files.push_back(file + ".ini");
    b.container->form().click(2088);
    EXPECT_EQ(b.prompter.texts(), (std::vector<std::string>{"文件打开成功!"}));
    for (int id : a.form().ids()) {
        SCOPED_TRACE(id);
        EXPECT_EQ(b.form().text(id), a.form().text(id));
        EXPECT_EQ(b.form().value(id), a.form().value(id));
    }
    EXPECT_EQ(b.state().chanEncryType, a.state().chanEncryType);
    EXPECT_EQ(b.state().chanHFType, a.state().chanHFType);
}

TEST_F(Lm52rFile, KeysAndValuesAreWrittenAsOtherInstallationsExpect) {
    Lm52rBaseBench b;
    fillEverything(b);
    const std::string file = path("keys.ini");
    ASSERT_TRUE(b.container->storeFile(file));

    ini::IniFile ini;
    ASSERT_TRUE(ini.load(file));
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"ChannelGroup", "7"},
        {"SendPower", "1"},
        {"PTT Hold", "12"},
        {"VOXLevel", "65535"},
        {"Power On", "0"},
        {"PTT Off", "1"},
        {"GPS", "0"},
        {"Checkout", "2"},
        {"Data Bit", "4"},
        {"SendFrequency01", "4000125"},
        {"ReceiveFrequency16", "3004000"},
        {"Digital03", "1"},  // (k + j) % 3 == 0: channel 3, 数字
        {"DT01", "1"},
        {"Encr06", "1"},
        {"HF16", "1"},
        {"EncryType16", "15"},
        {"HFType03", "3"},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(ini.getRaw("TelSet", key), value) << key;
    }
    // The keys keep their spelling, spaces and capitals on disk.
    const std::string bytes = readAll(file);
    EXPECT_NE(bytes.find("[TelSet]\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nPTT Hold=12\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nData Bit=4\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nEncryType01=0\r\n"), std::string::npos);
}

TEST_F(Lm52rFile, HandWrittenFileLoads) {
    const std::string gbkName = "\xD5\xC5\xC8\xFD";  // 张三
    const std::string text =
        "; \xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE\r\n"  // ; 配置文件
        "[Other]\r\n"
        "ChannelGroup=9\r\n"
        "\r\n"
        "[TelSet]\r\n"
        "ChannelGroup=3\r\n"
        "ChannelInterval=0\r\n"
        "VoiceStatus=1\r\n"
        "SendPower=1\r\n"
        "PTT Hold=20\r\n"
        "Sleep Wait = 15\r\n"
        "VOXLevel=1000\r\n"
        "Power On=1\r\n"
        "PTT Off=0\r\n"
        "channelswitch=1\r\n"
        "GPS=0\r\n"
        "Checkout=1\r\n"
        "Speed=8\r\n"
        "Data Bit=3\r\n"
        "Stop Bit=1\r\n"
        "Air Speed=2\r\n"
        "SendFrequency01=4000000\r\n"
        "ReceiveFrequency01=4012500\r\n"
        "SendFrequency16=3500000\r\n"
        "Digital01=1\r\n"
        "HF16=1\r\n"
        "EncryType01=5\r\n"
        "HFType16=2\r\n"
        "UserName=" +
        gbkName + "\r\n";
    const std::string file = path("hand.ini");
    writeAll(file, text);

    Lm52rBaseBench b;
    b.form().type(ids::kRows[1].tx, "1111111");  // absent keys replace what was shown
    b.state().chanEncryType[1] = 7;
    ASSERT_TRUE(b.container->loadFile(file));
    auto& f = b.form();
    EXPECT_EQ(f.text(ids::kGroupEdit), "3");
    EXPECT_EQ(f.radio(ids::kSpacing12_5), 0);
    EXPECT_EQ(f.radio(ids::kCompanderOn), 1);
    EXPECT_EQ(f.radio(ids::kPower0_5W), 1);
    EXPECT_EQ(f.text(ids::kPttEdit), "20");
    EXPECT_EQ(f.text(ids::kStandbyEdit), "15");
    EXPECT_EQ(f.text(ids::kVoxEdit), "1000");
    EXPECT_TRUE(f.checked(ids::kBeepPowerOn));
    EXPECT_FALSE(f.checked(ids::kBeepPttOff));
    EXPECT_TRUE(f.checked(ids::kBeepChannel));
    EXPECT_FALSE(f.checked(ids::kBacklight));
    EXPECT_EQ(f.selection(ids::kParityList), 1);
    EXPECT_EQ(f.selection(ids::kSpeedList), 8);
    EXPECT_EQ(f.selection(ids::kDataBitsList), 3);
    EXPECT_EQ(f.selection(ids::kStopBitsList), 1);
    EXPECT_EQ(f.selection(ids::kAirSpeedList), 2);
    EXPECT_EQ(f.text(ids::kRows[0].tx), "4000000");
    EXPECT_EQ(f.text(ids::kRows[0].rx), "4012500");
    EXPECT_EQ(f.text(ids::kRows[15].tx), "3500000");
    EXPECT_EQ(f.text(ids::kRows[1].tx), "");
    EXPECT_TRUE(f.checked(ids::kRows[0].flags[0]));
    EXPECT_FALSE(f.checked(ids::kRows[0].flags[5]));
    EXPECT_TRUE(f.checked(ids::kRows[15].flags[5]));
    EXPECT_EQ(b.state().chanEncryType[0], 5);
    EXPECT_EQ(b.state().chanEncryType[1], 0);
    EXPECT_EQ(b.state().chanHFType[15], 2);
    // The same file reaches the user page, whose owner name is GBK in the file.
    auto& user = b.container->page(1).form();
    EXPECT_EQ(user.text(families::lm52r::user_ids::kOwnerNameEdit), "张三");
}
