// Production-test page: machine type and code with the serial store, type and version read-back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ini/ini_file.h"
#include "protest_bench.h"

namespace rb::testing {
namespace {

namespace ids = families::protest::ids;

void writeStore(const std::string& path, const std::string& body) {
    std::ofstream f(path, std::ios::binary);
    f << "[ProTestSerial]\r\n" << body;
}

TEST(ProtestMachine, AFreshStoreGivesTheDefaults) {
    ProtestBench b;
    EXPECT_EQ(b.form().selection(ids::kTypeCombo), 0);
    EXPECT_EQ(b.form().text(ids::kTypeLabel), "当前未选择机器类型");
    EXPECT_EQ(b.form().text(ids::kBatch), "0");
    EXPECT_EQ(b.form().text(ids::kSerial), "0001");
    EXPECT_EQ(b.form().text(ids::kRangeStart), "0000");
    EXPECT_EQ(b.form().text(ids::kRangeEnd), "1000");
    EXPECT_EQ(b.form().text(ids::kYear).size(), 2u);
    EXPECT_EQ(b.form().text(ids::kMachineCode), "");
    EXPECT_EQ(b.page().channelStep(), 250);
    EXPECT_EQ(b.form().radio(ids::kLowPower), 0);
}

TEST(ProtestMachine, InitTypeSendsTheCodeAndConsumesTheSerialNumber) {
    ProtestBench b;
    b.form().type(ids::kYear, "08");
    b.form().type(ids::kBatch, "1");
    b.form().select(ids::kTypeCombo, 4);
    EXPECT_EQ(b.form().text(ids::kTypeLabel), "LM30T数字手持机UHF403~470MHz（列调型）");
    b.form().click(ids::kInitTypeButton);
    EXPECT_EQ(b.lastWrite(), hex("96 09 80 9F 00 01 21 0C 5C 11 E1"));  // M = 810001
    EXPECT_EQ(b.form().text(ids::kMachineCode), "0810001");
    EXPECT_EQ(b.form().text(ids::kSerial), "0002");
    ini::IniFile store;
    ASSERT_TRUE(store.load(b.session.paths.serialStore));
    EXPECT_EQ(store.getText("ProTestSerial", "SeroalPre"), "0001");
    EXPECT_EQ(store.getText("ProTestSerial", "SeroalPreBatch"), "1");
    EXPECT_EQ(store.getText("ProTestSerial", "Type"), "4");
    b.answer(0x90);
    EXPECT_EQ(b.session.statusBar.text(2), "初始化机型成功");

    // The next run of the program hands out the next number.
    b.container.reset();
    b.build();
    EXPECT_EQ(b.form().text(ids::kSerial), "0002");
    EXPECT_EQ(b.form().selection(ids::kTypeCombo), 4);
    EXPECT_EQ(b.form().text(ids::kBatch), "1");
}

TEST(ProtestMachine, InitTypeChecksItsFieldsBeforeSending) {
    struct Case {
        const char* year;
        const char* batch;
        const char* serial;
        int type;
        const char* message;
    };
    const Case cases[] = {
        {"08", "1", "0001", -1, "请选择机器类型!"},
        {"8", "1", "0001", 0, "生产年份输入不正确,请输入2位年份!"},
        {"0a", "1", "0001", 0, "生产年份输入不正确,请输入2位年份!"},
        {"08", "", "0001", 0, "生产批次输入不正确,请输入1位数字!"},
        {"08", "x", "0001", 0, "生产批次输入不正确,请输入1位数字!"},
        {"08", "1", "1001", 0, "产品序号不在设置范围内!"},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().setText(ids::kYear, c.year);
        b.form().setText(ids::kBatch, c.batch);
        b.form().setText(ids::kSerial, c.serial);
        b.form().setSelection(ids::kTypeCombo, c.type);
        b.form().click(ids::kInitTypeButton);
        EXPECT_TRUE(b.writes().empty()) << c.message;
        EXPECT_EQ(b.prompter.texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(std::filesystem::exists(b.session.paths.serialStore));
    }
    // 1000, the end of the range, passes.
    ProtestBench b;
    b.form().setText(ids::kSerial, "1000");
    b.form().click(ids::kInitTypeButton);
    EXPECT_EQ(b.writes().size(), 1u);
    EXPECT_EQ(b.form().text(ids::kSerial), "1001");
}

TEST(ProtestMachine, StoreContentsAndAStoreThatCannotBeWritten) {
    {
        ProtestBench b(false, false);
        writeStore(b.session.paths.serialStore,
                   "Type=22\r\nSeroalPreBatch=3\r\nSeroalPre=0041\r\nSeroalStart=0040\r\n"
                   "SeroalEnd=0050\r\n");
        b.build();
        EXPECT_EQ(b.form().selection(ids::kTypeCombo), 22);
        EXPECT_EQ(b.form().text(ids::kSerial), "0042");
        EXPECT_EQ(b.form().text(ids::kRangeEnd), "0050");
        b.form().type(ids::kRangeEnd, "0900");
        b.form().click(ids::kSetRangeButton);
        ini::IniFile store;
        ASSERT_TRUE(store.load(b.session.paths.serialStore));
        EXPECT_EQ(store.getText("ProTestSerial", "SeroalEnd"), "0900");
        EXPECT_EQ(store.getText("ProTestSerial", "SeroalPre"), "0042");
    }
    {
        // An index outside the list selects nothing.
        ProtestBench b(false, false);
        writeStore(b.session.paths.serialStore, "Type=-1\r\n");
        b.build();
        EXPECT_EQ(b.form().selection(ids::kTypeCombo), -1);
    }
    {
        ProtestBench b(false, false);
        b.session.paths.serialStore = b.dir.file("no-such-folder/ProTestSerial.ini");
        b.build();
        b.form().type(ids::kYear, "08");
        b.form().click(ids::kInitTypeButton);
        // A number that cannot be kept is not used: the terminal is told nothing, and the
        // technician knows why.
        EXPECT_TRUE(b.writes().empty());
        ASSERT_EQ(b.prompter.boxes.size(), 1u);
        EXPECT_EQ(b.prompter.boxes[0].text.rfind("序号文件锁定失败!", 0), 0u);
        EXPECT_EQ(b.session.activity.messages, 1);
    }
}

TEST(ProtestMachine, TypeAndVersionReadBack) {
    struct Case {
        std::uint8_t type;
        std::uint32_t code;
        int selection;
        const char* machineCode;
        const char* year;
        const char* batch;
        const char* serial;
        const char* label;
    };
    const Case cases[] = {
        {0xD5, 810001, 22, "0810001", "08", "1", "0001", "LM516船台VHF220~240MHz"},
        // An unknown code keeps the selection (index 0 on a fresh store), whose label shows.
        {0x85, 16777215, 0, "1677721", "16", "7", "7721", "LM30D数字手持机UHF403~470MHz"},
        {0x11, 0, 0, "0000000", "00", "0", "0000", "LM30D数字手持机UHF403~470MHz"},
    };
    for (const Case& c : cases) {
        ProtestBench b;
        b.form().click(ids::kReadBasicButton);
        EXPECT_EQ(b.lastWrite(), hex("96 05 80 99 00 01 8B"));
        EXPECT_EQ(b.form().text(ids::kSerial), "");
        wire::Bytes p = {c.type, std::uint8_t(c.code >> 16), std::uint8_t(c.code >> 8),
                         std::uint8_t(c.code)};
        for (char ch : std::string("V1.02")) p.push_back(std::uint8_t(ch));
        p.push_back(0);
        b.answer(0x9A, p);
        EXPECT_EQ(b.form().selection(ids::kTypeCombo), c.selection) << c.machineCode;
        EXPECT_EQ(b.form().text(ids::kMachineCode), c.machineCode);
        EXPECT_EQ(b.form().text(ids::kYear), c.year);
        EXPECT_EQ(b.form().text(ids::kBatch), c.batch);
        EXPECT_EQ(b.form().text(ids::kSerial), c.serial);
        EXPECT_EQ(b.session.statusBar.text(1), "V1.02");
        EXPECT_EQ(b.form().text(ids::kTypeLabel), c.label);
        EXPECT_EQ(b.lastWrite()[3], 0x9D);  // then the band table
    }
}

}  // namespace
}  // namespace rb::testing
