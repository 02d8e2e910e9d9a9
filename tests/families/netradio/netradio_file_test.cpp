// Both network-radio pages in a "TelSet" file: the keys and values they store, a store/load
// round trip, and a file as other installations write it (CRLF, GBK, keys with spaces).
#include <gtest/gtest.h>

#include <fstream>

#include "families/netradio/netradio_bench.h"

using namespace rb;
namespace bid = rb::families::netradio::base_ids;
namespace uid = rb::families::netradio::user_ids;

namespace {

using Bench = rb::testing::NetRadioBench;

void fillBothPages(Bench& b) {
    auto& f = b.form(0);
    for (int id : {bid::kSpacing12_5, bid::kCompanderOff, bid::kPowerLow, bid::kBeepPttOff,
                   bid::kEncryptCheck, bid::kHoppingCheck})
        f.click(id);
    f.type(bid::kPttEdit, "30");
    f.type(bid::kStandbyEdit, "5");
    f.type(bid::kVoxEdit, "1234");
    f.select(bid::kParityList, 2);
    f.select(bid::kSpeedList, 9);
    f.select(bid::kDataBitsList, 0);
    f.select(bid::kStopBitsList, 1);
    f.click(bid::kFirstOwnBox + 11);
    for (int k = 0; k < 15; ++k) f.type(bid::kFrequencyEdits[k], std::to_string(3500000 + 125 * k));
    f.type(bid::kOffNetEdit, "4100000");

    auto& u = b.form(1);
    u.type(uid::kIdentityEdit, "1023");
    u.type(uid::kOwnerNameEdit, "王小明");
    u.type(uid::kOwnerTextEdit, "第七 中队");
    u.click(uid::kAuthCheck);
    u.click(uid::kCrossGroupCheck);
    u.type(uid::kKeyParamEdit, "4660");
    u.type(uid::kKeyWordEdit, "密钥");
}

}  // namespace

TEST(NetRadioFile, StoreWritesEveryKeyAndLoadRestoresBothPages) {
    Bench b;
    fillBothPages(b);
    const std::string path = b.dir.file("Network.ini");
    ASSERT_TRUE(b.container->storeFile(path));
    EXPECT_EQ(b.prompter.lastText(), "文件保存成功!");

    ini::IniFile file;
    ASSERT_TRUE(file.load(path));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"ChannelInterval", "0"},
        {"VoiceStatus", "1"},
        {"SendPower", "2"},
        {"PTT Hold", "30"},
        {"Sleep Wait", "5"},
        {"VOXLevel", "1234"},
        {"Power On", "1"},
        {"PTT Off", "0"},
        {"Checkout", "2"},
        {"Speed", "9"},
        {"Data Bit", "0"},
        {"Stop Bit", "1"},
        {"Air Speed", "1"},
        {"SK", "0"},
        {"ENCRY", "1"},
        {"TP", "1"},
        {"FrequencySN", "12"},
        {"Frequency01", "3500000"},
        {"Frequency15", "3501750"},
        {"Frequency16", "4100000"},
        {"UserCode", "1023"},
        {"UserName", "王小明"},
        {"UserInfo", "第七 中队"},
        {"JQ", "0"},
        {"GROUP", "1"},
        {"EncryptPara", "4660"},
        {"DefineKey", "密钥"},
    };
    for (const auto& [key, value] : expected) EXPECT_EQ(file.getText("TelSet", key), value) << key;
    EXPECT_EQ(file.keys("TelSet").size(), 16u + 1u + 16u + 7u);

    Bench fresh;
    ASSERT_TRUE(fresh.container->loadFile(path));
    EXPECT_EQ(fresh.prompter.lastText(), "文件打开成功!");
    rb::testing::expectSamePage(fresh.form(0), b.form(0));
    // The user page: everything the file carries; the group and number follow the identity.
    rb::testing::expectSamePage(fresh.form(1), b.form(1));
    EXPECT_EQ(fresh.form(1).text(uid::kGroupEdit), "63");
    EXPECT_EQ(fresh.form(1).text(uid::kNumberEdit), "15");
    // Loading does not change the channel step (still the opening 250).
    EXPECT_EQ(fresh.base().channelStep(), 250);
}

TEST(NetRadioFile, AHandWrittenFileLoadsAsOtherInstallationsWriteIt) {
    Bench b;
    b.form(0).click(bid::kFirstOwnBox + 3);  // a file without "FrequencySN" clears it
    const std::string path = b.dir.file("hand.ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << "; written elsewhere\r\n[telset]\r\nPTT Hold = 45\r\nSleep Wait=9\r\n"
               "Power On=0\r\nPTT Off=1\r\nSpeed=12\r\nSendPower=1\r\nChannelInterval=0\r\n"
               "Frequency03=4001250\r\nFrequency16=123456789\r\nSK=1\r\n"
               "UserCode=37\r\nUserName="
            << wire::utf8ToGbk("李四") << "\r\nJQ=2\r\nGROUP=0\r\n";
    }
    ASSERT_TRUE(b.container->loadFile(path));
    const auto& f = b.form(0);
    EXPECT_EQ(f.text(bid::kPttEdit), "45");
    EXPECT_EQ(f.text(bid::kStandbyEdit), "9");
    EXPECT_FALSE(f.checked(bid::kBeepPowerOn));
    EXPECT_TRUE(f.checked(bid::kBeepPttOff) && f.checked(bid::kVoxCheck));
    EXPECT_EQ(f.selection(bid::kSpeedList), -1);  // outside the list: nothing selected
    EXPECT_EQ(f.radio(bid::kPower0_5W), 1);       // the hidden 3.0W
    EXPECT_EQ(f.radio(bid::kSpacing12_5), 0);
    EXPECT_EQ(f.text(bid::kFrequencyEdits[2]), "4001250");
    EXPECT_EQ(f.text(bid::kOffNetEdit), "123456789");  // taken as it stands
    EXPECT_EQ(f.text(bid::kFrequencyEdits[0]), "");    // missing: empty
    EXPECT_EQ(b.base().ownFrequencyNumber(), 0);
    EXPECT_EQ(f.text(bid::kVoxEdit), "0");
    const auto& u = b.form(1);
    EXPECT_EQ(u.text(uid::kGroupEdit), "2");
    EXPECT_EQ(u.text(uid::kNumberEdit), "5");
    EXPECT_EQ(u.text(uid::kOwnerNameEdit), "李四");
    EXPECT_TRUE(u.checked(uid::kAuthCheck));
    EXPECT_FALSE(u.checked(uid::kCrossGroupCheck));
    EXPECT_EQ(u.text(uid::kKeyWordEdit), "");
}
