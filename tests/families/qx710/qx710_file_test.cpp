// The QX-7100 "QX710" file: the keys as existing installations write them, a store/load round
// trip, a hand-written CRLF/GBK file, and what loading does with odd values.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "qx710_bench.h"

using namespace rb;
using rb::testing::Qx710Bench;
namespace ids = rb::families::qx710::base_ids;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(Qx710File, StoresEveryKeyInOrderAndLoadsThemBack) {
    Qx710Bench b;
    auto& f = b.form();
    f.setText(ids::kIdentity, "4660");
    f.setText(ids::kVersionA, "2");
    f.setText(ids::kVersionB, "9");
    f.setRadio(ids::kControlDesk, 1);
    f.setText(ids::kBaseNumber, "12");
    f.setText(ids::kOwnerName, "王海洋");
    f.setText(ids::kOwnerText, "浙江");
    f.click(ids::kSpacing12_5);
    f.setText(ids::kDefaultNumber, "7");
    f.setText(ids::kOffNet, "50000");
    f.setText(ids::kDefaultTx, "4000125");
    f.setText(ids::kDefaultRx, "4000250");
    f.setText(ids::kTablePage, "3");
    for (std::size_t r = 0; r < 4; ++r) {
        f.setText(ids::kRowTx[r], std::to_string(4000000 + 125 * r));
        f.setText(ids::kRowRx[r], std::to_string(4100000 + 125 * r));
    }
    f.setRadio(ids::kAlarmByIdentity, 1);
    f.setText(ids::kAlarmNumber, "13905710000");
    f.setRadio(ids::kEncryptOn, 1);
    f.setText(ids::kKeyParameter, "77");
    f.setText(ids::kKeyWord, "key");
    f.setText(ids::kRollCallTimeout, "9");
    f.setText(ids::kOffNetTimeout, "8");
    f.setText(ids::kChannelHold, "7");
    f.setText(ids::kPttHold, "6");

    const std::string path = b.dir.file("QX710.ini");
    ASSERT_TRUE(b.container->storeFile(path));
    EXPECT_EQ(b.prompter.lastText(), "文件保存成功!");
    const std::string text = wire::gbkToUtf8(readAll(path));
    const std::string expected =
        "[QX710]\r\n身份码=4660\r\n基站频率表版本号A=2\r\n基站频率表版本号B=9\r\n电台类型=1\r\n"
        "基站编号A=12\r\n机主姓名=王海洋\r\n身份信息=浙江\r\n信道间隔=1\r\n默认频率编号=7\r\n"
        "脱网信道频率=50000\r\n默认信道发射频率=4000125\r\n默认信道接收频率=4000250\r\n"
        "基站编号B=3\r\n发射频率0=4000000\r\n发射频率1=4000125\r\n发射频率2=4000250\r\n"
        "发射频率3=4000375\r\n接收频率0=4100000\r\n接收频率1=4100125\r\n接收频率2=4100250\r\n"
        "接收频率3=4100375\r\n报警电话号码类型=1\r\n报警电话=13905710000\r\n加密选项=1\r\n"
        "密钥参数=77\r\n密钥字=key\r\n占名超时=9\r\n脱网超时=8\r\n信道保持=7\r\nPTT保持=6\r\n";
    EXPECT_EQ(text, expected);

    Qx710Bench fresh;
    ASSERT_TRUE(fresh.container->loadFile(path));
    EXPECT_EQ(fresh.prompter.lastText(), "文件打开成功!");
    ASSERT_TRUE(fresh.container->storeFile(fresh.dir.file("again.ini")));
    EXPECT_EQ(wire::gbkToUtf8(readAll(fresh.dir.file("again.ini"))), expected);
    // The loaded 12.5 kHz spacing is also the channel step its frequencies are written with.
    EXPECT_EQ(fresh.container->state().freqStep, 125);
}

TEST(Qx710File, LoadsAHandWrittenGbkFileWithOddValues) {
    Qx710Bench b;
    const std::string path = b.dir.file("hand.ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << wire::utf8ToGbk(
            "; written by hand\r\n[Other]\r\n身份码=9\r\n[QX710]\r\n身份码=123\r\n电台类型=7\r\n"
            "加密选项=-1\r\n信道间隔=0\r\n报警电话号码类型=x\r\n机主姓名=张三\r\n占名超时=12\r\n");
    }
    b.container->state().freqStep = 125;
    ASSERT_TRUE(b.container->loadFile(path));
    auto& f = b.form();
    EXPECT_EQ(f.text(ids::kIdentity), "123");
    EXPECT_EQ(f.radio(ids::kControlDesk), -1);  // an index outside its list selects nothing
    EXPECT_EQ(f.radio(ids::kEncryptOn), -1);
    EXPECT_EQ(f.radio(ids::kSpacing25), 0);
    EXPECT_EQ(b.container->state().freqStep, 250);
    EXPECT_EQ(f.radio(ids::kAlarmByIdentity), 1);  // anything but "0" is 电话号码
    EXPECT_EQ(f.text(ids::kOwnerName), "张三");
    EXPECT_EQ(f.text(ids::kRollCallTimeout), "12");
    EXPECT_EQ(f.text(ids::kOffNet), "");  // a missing key reads empty
    EXPECT_EQ(f.text(ids::kBaseNumber), "0");
}

TEST(Qx710File, AFileThatCannotBeReadOrWrittenShowsTheFailure) {
    Qx710Bench b;
    EXPECT_FALSE(b.container->loadFile(b.dir.file("missing/none.ini")));
    EXPECT_EQ(b.prompter.lastText(), "文件打开失败!");
    EXPECT_FALSE(b.container->storeFile(b.dir.file("missing/none.ini")));
    EXPECT_EQ(b.prompter.lastText(), "文件保存失败!");
    EXPECT_EQ(b.container->filePages().size(), 1u);  // only the base page takes part
}
