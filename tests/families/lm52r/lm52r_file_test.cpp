// Section "TelSet" of a configuration file, written by the base and the user page: a round trip
// through "存储文件" / "打开文件", and a file written by hand in the documented format.
#include <gtest/gtest.h>

#include <fstream>

#include "families/lm52r/lm52r_bench.h"

using namespace rb;
using rb::testing::Lm52rBench;
namespace ids = rb::families::lm52r::base_ids;
namespace uid = rb::families::lm52r::user_ids;
namespace hop = rb::families::hopmap;

namespace {

std::string twoDigits(int k) { return (k < 10 ? "0" : "") + std::to_string(k); }

// What a control shows, as its INI value would say it: a text, a check "1" / "0", an index.
std::string shown(const engine::FormModel& f, int id) {
    switch (f.control(id).kind) {
        case engine::ControlKind::CheckBox:
            return f.checked(id) ? "1" : "0";
        case engine::ControlKind::Radio:
            return std::to_string(f.radio(id));
        case engine::ControlKind::Combo:
            return std::to_string(f.selection(id));
        default:
            return f.text(id);
    }
}

}  // namespace

TEST(Lm52rFile, StoreThenOpenRestoresBothPagesWithOneBoxEach) {
    Lm52rBench a;
    rb::testing::fillEverything(a);
    a.form(1).type(uid::kKeyParamEdit, "4321");
    const std::string path = a.dir.file("bench");  // no extension: ".ini" is added
    a.prompter.files.push_back(path);
    a.container->form().click(engine::kStoreFileButton);
    ASSERT_EQ(a.prompter.fileChoices.size(), 1u);
    const auto& choice = a.prompter.fileChoices[0];
    EXPECT_TRUE(choice.save);
    EXPECT_EQ(choice.defaultName, "LM52R");
    EXPECT_EQ(choice.defaultExtension, "ini");
    EXPECT_EQ(choice.filter, "配置文件(*.ini)|*.ini||");
    EXPECT_EQ(a.prompter.texts(), std::vector<std::string>{"文件保存成功!"});

    Lm52rBench b;
    b.prompter.files.push_back(path + ".ini");
    b.container->form().click(engine::kOpenFileButton);
    EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{"文件打开成功!"});
    rb::testing::expectSamePage(b.form(0), a.form(0));
    // The relay flag, authentication, encryption scheme and hop map are not in the file.
    rb::testing::expectSamePage(
        b.form(1), a.form(1),
        {uid::kRelayCheck, uid::kAuthCheck, uid::kSchemeEdit, hop::kSchemeCombo, hop::kDataEdit});
    for (const auto& edits : {uid::kBindingEdits, uid::kStandbyEdits})
        for (int id : edits) EXPECT_EQ(b.form(1).enabled(id), a.form(1).enabled(id)) << id;
    EXPECT_EQ(b.state().chanEncryType, a.state().chanEncryType);
    EXPECT_EQ(b.state().chanHFType, a.state().chanHFType);
    // The loaded name is what a too long typed name falls back to.
    b.form(1).type(uid::kOwnerNameEdit, "一二三四五六七八九十");
    EXPECT_EQ(b.form(1).text(uid::kOwnerNameEdit), a.form(1).text(uid::kOwnerNameEdit));
}

TEST(Lm52rFile, HandWrittenFileLoads) {
    // A file as other installations write it: keys with spaces, any capitals, blanks around
    // "=", a GBK owner name, another section with a key of the same name, channel 1 missing.
    // Every value differs from what the pages show before loading.
    struct Line {
        std::string line;
        int page;
        int id;
        std::string shown;
    };
    const std::vector<Line> lines = {
        {"ChannelGroup=3", 0, ids::kGroupEdit, "3"},
        {"ChannelInterval=1", 0, ids::kSpacing12_5, "1"},
        {"VoiceStatus=0", 0, ids::kCompanderOn, "0"},
        {"SendPower=2", 0, ids::kPower0_5W, "2"},
        {"PTT Hold=20", 0, ids::kPttEdit, "20"},
        {"Sleep Wait = 15", 0, ids::kStandbyEdit, "15"},
        {"VOXLevel=1000", 0, ids::kVoxEdit, "1000"},
        {"Power On=0", 0, ids::kBeepPowerOn, "0"},
        {"PTT Off=1", 0, ids::kBeepPttOff, "1"},
        {"channelswitch=0", 0, ids::kBeepChannel, "0"},
        {"GPS=1", 0, ids::kBacklight, "1"},
        {"Checkout=1", 0, ids::kParityList, "1"},
        {"Speed=8", 0, ids::kSpeedList, "8"},
        {"Data Bit=3", 0, ids::kDataBitsList, "3"},
        {"Stop Bit=0", 0, ids::kStopBitsList, "0"},
        {"Air Speed=2", 0, ids::kAirSpeedList, "2"},
        {"BaseSite=3", 1, uid::kCategoryEdit, "3"},
        {"UserCode=1234", 1, uid::kIdentityEdit, "1234"},
        {"UserName=\xD5\xC5\xC8\xFD", 1, uid::kOwnerNameEdit, "张三"},
        {"UserInfo=Depot A 7", 1, uid::kOwnerTextEdit, "Depot A 7"},
        {"EncryptPara=258", 1, uid::kKeyParamEdit, "258"},
        {"DefineKey=KEY 1", 1, uid::kKeyWordEdit, "KEY 1"},
        {"Allow Bind=0", 1, uid::kBindAllowedCheck, "0"},
        {"All Availability=1", 1, uid::kAllStandbyCheck, "1"},
    };
    std::string text = "; \xC5\xE4\xD6\xC3\r\n[Other]\r\nChannelGroup=9\r\n\r\n[TelSet]\r\n";
    for (const auto& l : lines) text += l.line + "\r\n";
    const char* flagKeys[] = {"Digital", "VOD", "DT", "Encr", "Mult", "HF"};
    for (int k = 2; k <= 16; ++k) {
        const std::string n = twoDigits(k);
        text += "SendFrequency" + n + "=" + std::to_string(4000000 + 250 * k) + "\r\n";
        text += "ReceiveFrequency" + n + "=" + std::to_string(3000000 + 250 * k) + "\r\n";
        for (int j = 0; j < 6; ++j) text += flagKeys[j] + n + ((k + j) % 3 ? "=0\r\n" : "=1\r\n");
        text += "EncryType" + n + "=" + std::to_string(k - 1) + "\r\n";
        text += "HFType" + n + "=" + std::to_string((k + 1) % 4) + "\r\n";
        text += "ChannelBind" + n + "=" + std::to_string(100 + k) + "\r\n";
        text += "Group" + n + "=" + std::to_string(200 + k) + "\r\n";
        text += "Group" + n + "Sel=" + std::to_string(k % 2) + "\r\n";
    }
    Lm52rBench b;
    rb::testing::fillEverything(b);
    const std::string path = b.dir.file("hand.ini");
    std::ofstream(path, std::ios::binary) << text;
    ASSERT_TRUE(b.container->loadFile(path));

    for (const auto& l : lines) EXPECT_EQ(shown(b.form(l.page), l.id), l.shown) << l.line;
    auto& f = b.form(0);
    auto& u = b.form(1);
    EXPECT_FALSE(u.enabled(uid::kBindingEdits[0]));
    EXPECT_EQ(f.text(ids::kRows[0].tx), "");  // absent keys replace what was shown
    EXPECT_EQ(b.state().chanEncryType[0], 0);
    for (int k = 2; k <= 16; ++k) {
        SCOPED_TRACE(k);
        const auto& row = ids::kRows[k - 1];
        EXPECT_EQ(f.text(row.tx), std::to_string(4000000 + 250 * k));
        EXPECT_EQ(f.text(row.rx), std::to_string(3000000 + 250 * k));
        for (int j = 0; j < 6; ++j) EXPECT_EQ(f.checked(row.flags[j]), (k + j) % 3 == 0) << j;
        EXPECT_EQ(b.state().chanEncryType[k - 1], k - 1);
        EXPECT_EQ(b.state().chanHFType[k - 1], (k + 1) % 4);
        EXPECT_EQ(u.text(uid::kBindingEdits[k - 1]), std::to_string(100 + k));
        EXPECT_EQ(u.text(uid::kStandbyEdits[k - 1]), std::to_string(200 + k));
        EXPECT_EQ(u.checked(uid::kStandbyChecks[k - 1]), k % 2 == 1);
        EXPECT_EQ(u.enabled(uid::kStandbyEdits[k - 1]), k % 2 == 1);
    }
}
