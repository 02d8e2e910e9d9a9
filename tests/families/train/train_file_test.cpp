// Section "TelSet" of a train-station file, written by the base and the key page: round trips
// through "存储文件" / "打开文件", the documented keys, and files written by hand.
#include <gtest/gtest.h>

#include <fstream>

#include "families/train/train_bench.h"
#include "ini/ini_file.h"

using namespace rb;
using rb::testing::TrainBench;
namespace ids = rb::families::train::base_ids;
namespace kid = rb::families::train::key_ids;

namespace {

ini::IniFile storeAndRead(TrainBench& b, const std::string& path) {
    b.prompter.files.push_back(path);
    b.container->form().click(engine::kStoreFileButton);
    ini::IniFile file;
    EXPECT_TRUE(file.load(path));
    return file;
}

void fillBase(engine::FormModel& f) {
    f.click(ids::kSpacing12_5);
    f.click(ids::kCompanderOff);
    f.click(ids::kPowerLow);
    f.click(ids::kTonePttOff);
    f.type(ids::kPttEdit, "255");
    f.type(ids::kStandbyEdit, "3");
    f.type(ids::kGroupEdit, "6");
    f.select(ids::kParityList, 2);
    f.select(ids::kSpeedList, 9);
    f.select(ids::kDataBitsList, 4);
    f.select(ids::kStopBitsList, 1);
    f.setSelection(ids::kAirSpeedList, 3);  // hidden
    for (int k = 1; k <= 16; ++k) {
        f.type(ids::kRows[k - 1].tx, std::to_string(3500000 + 125 * k));
        f.type(ids::kRows[k - 1].rx, std::to_string(4500000 - 125 * k));
        if (k % 3 == 0) f.click(ids::kRows[k - 1].digital);
    }
}

}  // namespace

TEST(TrainFile, StoreThenOpenRestoresBothPagesForEveryStationType) {
    const int types[] = {kid::kHandheldRadio, kid::kLocomotiveRadio, kid::kSectionRadio,
                         kid::kOrdinaryRadio};
    for (int t = 0; t < 4; ++t) {
        SCOPED_TRACE(t);
        TrainBench a;
        fillBase(a.form(0));
        auto& k = a.form(1);
        k.type(kid::kDispatchEdit, "200");
        k.type(kid::kStaffEdit, "9");
        k.type(kid::kOwnerNameEdit, "张三丰");
        k.type(kid::kOwnerTextEdit, "列调 A-7");
        k.setChecked(kid::kAuthCheck, false);
        k.click(types[t]);
        const std::string path = a.dir.file("train");
        const ini::IniFile file = storeAndRead(a, path + ".ini");
        ASSERT_EQ(a.prompter.fileChoices.size(), 1u);
        EXPECT_EQ(a.prompter.fileChoices[0].defaultName, "Train");
        EXPECT_EQ(a.prompter.texts(), std::vector<std::string>{"文件保存成功!"});
        EXPECT_EQ(file.getRaw("TelSet", "Type"), t == 0 ? "0" : "1");
        EXPECT_EQ(file.getRaw("TelSet", "StationType"), std::to_string(t));
        EXPECT_EQ(file.getRaw("TelSet", "UserCode"), "51209");
        EXPECT_EQ(file.getRaw("TelSet", "JQ"), "0");

        TrainBench b;
        b.prompter.files.push_back(path + ".ini");
        b.container->form().click(engine::kOpenFileButton);
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"文件打开成功!"});
        rb::testing::expectSameTrainPage(b.form(0), a.form(0));
        rb::testing::expectSameTrainPage(b.form(1), a.form(1));
    }
}

TEST(TrainFile, BaseKeysAsExistingInstallationsWriteThem) {
    TrainBench a;
    fillBase(a.form(0));
    const ini::IniFile file = storeAndRead(a, a.dir.file("keys.ini"));
    const std::vector<std::string> keys = file.keys("TelSet");
    const std::vector<std::string> head(keys.begin(), keys.begin() + 15);
    EXPECT_EQ(head, (std::vector<std::string>{"ChannelGroup", "ChannelInterval", "VoiceStatus",
                                              "SendPower", "PTT Hold", "Sleep Wait", "Power On",
                                              "CPower", "PTT Off", "ChannelSwitch", "Checkout",
                                              "Speed", "Data Bit", "Stop Bit", "Air Speed"}));
    const std::pair<const char*, const char*> values[] = {
        {"ChannelGroup", "6"},
        {"ChannelInterval", "1"},
        {"VoiceStatus", "1"},
        {"SendPower", "1"},
        {"PTT Hold", "255"},
        {"Sleep Wait", "3"},
        {"Power On", "1"},
        {"CPower", "0"},
        {"PTT Off", "0"},
        {"Checkout", "2"},
        {"Speed", "9"},
        {"Data Bit", "4"},
        {"Air Speed", "3"},
        {"SendFrequency01", "3500125"},
        {"ReceiveFrequency16", "4498000"},
        {"Digital03", "0"},
        {"Digital04", "1"},
    };
    for (const auto& [key, value] : values) EXPECT_EQ(file.getRaw("TelSet", key), value) << key;
    EXPECT_EQ(keys.size(), 15u + 48u + 7u + 1u);  // base, channels, key page, our station type
}

TEST(TrainFile, CustomPowerWritesCPowerAndNoSendPowerAndLoadsBack) {
    TrainBench a;
    a.form(0).click(ids::kPowerCustom);
    const std::string path = a.dir.file("custom.ini");
    const ini::IniFile file = storeAndRead(a, path);
    EXPECT_EQ(file.getRaw("TelSet", "CPower"), "1");
    EXPECT_FALSE(file.has("TelSet", "SendPower"));

    TrainBench b;
    b.prompter.files.push_back(path);
    b.container->form().click(engine::kOpenFileButton);
    EXPECT_EQ(b.form(0).radio(ids::kPower0_5W), ids::kCustomIndex);
}

TEST(TrainFile, HandWrittenCrlfGbkFileLoads) {
    TrainBench b;
    const std::string path = b.dir.file("hand.ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Other]\r\nDH=99\r\n"
            << "[telset]\r\n"
            << "channelgroup = 8\r\n"
            << "ChannelInterval=0\r\n"
            << "SendPower=3\r\nCPower=0\r\n"
            << "Speed=12\r\n"  // outside the list: nothing selected
            << "Checkout=1\r\n"
            << "VoiceStatus=5\r\n"  // outside the radios: none checked
            << "SendFrequency01=4000125\r\n"
            << "Digital01=1\r\nDigital02=0\r\n"
            << "UserCode=1\r\n"
            << wire::utf8ToGbk("UserName=王五") << "\r\n"
            << wire::utf8ToGbk("UserInfo=北京局 调度") << "\r\n"
            << "JQ=1\r\nDH=4\r\nPH=2\r\nType=1\r\n";
    }
    b.prompter.files.push_back(path);
    b.container->form().click(engine::kOpenFileButton);
    auto& f = b.form(0);
    EXPECT_EQ(f.text(ids::kGroupEdit), "8");
    EXPECT_EQ(f.text(ids::kRows[0].label), "113");
    EXPECT_EQ(f.radio(ids::kSpacing6_25), 0);
    EXPECT_EQ(f.radio(ids::kPower0_5W), 3);
    EXPECT_EQ(f.selection(ids::kSpeedList), -1);
    EXPECT_EQ(f.selection(ids::kParityList), 1);
    EXPECT_EQ(f.selection(ids::kDataBitsList), 0);  // missing: 0
    EXPECT_EQ(f.radio(ids::kCompanderOn), -1);
    EXPECT_EQ(f.text(ids::kRows[0].tx), "4000125");
    EXPECT_EQ(f.text(ids::kRows[1].tx), "");  // missing text: empty
    EXPECT_TRUE(f.checked(ids::kRows[0].digital));
    EXPECT_FALSE(f.checked(ids::kRows[1].digital));
    EXPECT_FALSE(f.checked(ids::kTonePowerOn));
    auto& k = b.form(1);
    EXPECT_EQ(k.text(kid::kOwnerNameEdit), "王五");
    EXPECT_EQ(k.text(kid::kOwnerTextEdit), "北京局 调度");
    EXPECT_EQ(k.text(kid::kIdentityEdit), "1026");  // from DH and PH, not UserCode
    EXPECT_TRUE(k.checked(kid::kAuthCheck));
    EXPECT_EQ(k.radio(kid::kHandheldRadio), 2);  // "Type" alone: 区长台
    EXPECT_FALSE(k.enabled(kid::kWriteKeysButton));

    // Nothing selected writes nothing; everything else goes back into the same file.
    b.prompter.files.push_back(path);
    b.container->form().click(engine::kStoreFileButton);
    ini::IniFile file;
    ASSERT_TRUE(file.load(path));
    EXPECT_EQ(file.getRaw("TelSet", "VoiceStatus"), "5");  // left as it was
    EXPECT_EQ(file.getRaw("TelSet", "Speed"), "12");
    EXPECT_EQ(file.getRaw("TelSet", "UserCode"), "1026");
    EXPECT_EQ(file.getRaw("Other", "DH"), "99");
}

TEST(TrainFile, StationTypeKeyWinsOverTypeAndFallsBackWhenOutOfRange) {
    struct Case {
        std::string lines;
        int type;
    };
    const Case cases[] = {
        {"Type=1\r\nStationType=1\r\n", 1},
        {"Type=1\r\nStationType=3\r\n", 3},
        {"Type=0\r\nStationType=0\r\n", 0},
        {"Type=1\r\n", 2},
        {"Type=0\r\n", 0},
        {"", 0},
        {"Type=1\r\nStationType=7\r\n", 2},
        {"Type=0\r\nStationType=-1\r\n", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        TrainBench b;
        b.form(1).click(kid::kOrdinaryRadio);
        const std::string path = b.dir.file("t.ini");
        std::ofstream(path, std::ios::binary) << "[TelSet]\r\n" << c.lines;
        b.prompter.files.push_back(path);
        b.container->form().click(engine::kOpenFileButton);
        EXPECT_EQ(b.form(1).radio(kid::kHandheldRadio), c.type);
        EXPECT_EQ(b.form(1).enabled(kid::kReadKeysButton), c.type == 0);
    }
}
