// CTrainKey: the second tab ("用户信息") of the train / flat dispatch container. Three groups,
// each with its own pair of buttons:
//   "个人信息"  identity code (follows 调号 and 编号), owner name and text, authentication flag:
//              读取数据 0x99 -> 0x9A -> 0x22 -> 0x23 -> 0x52 -> 0x53
//              写录数据 0x22 -> 0x23 -> 0x20 (the terminal's own bytes, bit 7 replaced) -> 0x21
//                       -> 0x50 -> 0x51
//   "列调参数"  channel, dispatch number, staff number, station type: 0x72 / 0x73, 0x70 / 0x71
//   "按键设置"  three time limits and 21 keys with two flags each: 0x76 / 0x77, 0x74 / 0x75
// No action locks a button and none asks for confirmation. The page files the identity and the
// dispatch numbers in section "TelSet" after the base page.
#pragma once

#include <array>

#include "engine/page.h"
#include "families/train/train_state.h"

namespace rb::families::train {

namespace key_ids {
inline constexpr int kIdentityEdit = 1007;   // "身份码", read-only, follows 调号 and 编号
inline constexpr int kOwnerNameEdit = 1056;  // "机主姓名", at most 19 GBK bytes
inline constexpr int kOwnerTextEdit = 1171;  // "机主身份信息", at most 63 GBK bytes
inline constexpr int kAuthCheck = 1214;      // "鉴权(使能)", never shown
inline constexpr int kReadIdentityButton = 2090;   // "读取数据"
inline constexpr int kWriteIdentityButton = 2091;  // "写录数据"

inline constexpr int kChannelEdit = 1525;  // "信道"
inline constexpr int kChannelSpin = 1526;
inline constexpr int kDispatchEdit = 1416;  // "调号" 1-255
inline constexpr int kDispatchSpin = 1417;
inline constexpr int kStaffEdit = 1418;  // "编号" 1-15
inline constexpr int kStaffSpin = 1419;
// Radio group "电台类型" in the order of the codes on the wire (0-3).
inline constexpr int kHandheldRadio = 1421;     // "手持台"
inline constexpr int kLocomotiveRadio = 1425;   // "机车台"
inline constexpr int kSectionRadio = 1422;      // "区长台"
inline constexpr int kOrdinaryRadio = 1426;     // "常规台"
inline constexpr int kReadTrainButton = 1423;   // "读取列调参数"
inline constexpr int kWriteTrainButton = 1424;  // "写录列调参数"

inline constexpr int kLongPressEdit = 1527;    // "长按键时限(毫秒)" 1000-3000
inline constexpr int kComboEdit = 1528;        // "组合键时限(毫秒)" 300-800
inline constexpr int kTestEdit = 1529;         // "测机间隔(毫秒)" 2000-8000
inline constexpr int kReadKeysButton = 2094;   // "读取按键"
inline constexpr int kWriteKeysButton = 2095;  // "写录按键"

struct KeyRow {
    const char* name;  // column "键名"
    int press;         // "按键": bit 7 of the row's byte
    int test;          // "测机": bit 6
};
inline constexpr int kKeyRows = 21;
// Row k at index k-1; its byte is frame byte 11 + k of 0x74 / 0x77.
inline constexpr std::array<KeyRow, kKeyRows> kKeys = {{
    {"红", 1215, 1216},       {"长红", 1217, 1218},     {"绿", 1219, 1220},
    {"绿-绿", 1221, 1222},    {"长绿", 1223, 1224},     {"绿-红", 1225, 1226},
    {"绿-黄", 1227, 1228},    {"黄", 1229, 1230},       {"黄-黄", 1231, 1232},
    {"黄-黄-黄", 1233, 1234}, {"长黄", 1235, 1236},     {"黄-红", 1237, 1238},
    {"黄-绿", 1239, 1240},    {"黄-黄-红", 1241, 1242}, {"黄-黄-绿", 1243, 1244},
    {"短PTT", 1245, 1246},    {"PTT-红", 1247, 1248},   {"PTT-黄", 1249, 1250},
    {"PTT-绿", 1251, 1252},   {"K1键", 1253, 1254},     {"K2键", 1255, 1256},
}};
}  // namespace key_ids

// Station type codes on the wire and radio indexes.
enum StationType { kHandheld = 0, kLocomotive = 1, kSectionChief = 2, kOrdinary = 3 };

class CTrainKey : public engine::Page {
public:
    static constexpr int kIndex = 1;
    // Our own key beside the documented "Type" (which holds only 0/1): the station type 0-3.
    static constexpr const char* kStationTypeKey = "StationType";

    CTrainKey(engine::Session& session, TrainState& state);

    void OnFrame(const wire::FrameView& frame) override;

    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override;
    void loadFile(const ini::IniFile& file) override;

    // The three button pairs, in tab order, are what the command line runs for the file.
    std::vector<Chain> fileReadChains() override;
    std::vector<Chain> fileWriteChains() override;
    // The checks of the identity chain (the write button 2091), and of all three chains.
    bool precheckWrite() override;
    bool precheckFileWrite() override;
    // The write buttons of the three pairs, in the order of the chains above.
    std::vector<int> writeButtons() const override {
        return {key_ids::kWriteIdentityButton, key_ids::kWriteTrainButton,
                key_ids::kWriteKeysButton};
    }

    // The buttons.
    void OnReadIdentity();   // 2090
    void OnWriteIdentity();  // 2091
    void OnReadTrain();      // 1423
    void OnWriteTrain();     // 1424
    void OnReadKeys();       // 2094
    void OnWriteKeys();      // 2095

    // Selects a station type and sets what depends on it (key group, channel spin bound).
    void selectType(int type);

protected:
    int& modeFlag() override { return writeMode_; }

private:
    void declareForm();  // train_key_form.cpp
    void bindControls();
    void updateIdentity();
    void applyType();
    void guardTextBytes(int editId, std::size_t limitBytes);
    void setGuardedText(int editId, const std::string& text);

    bool checkChannel();
    // The checks of the three write chains; each shows its message on a refusal.
    bool checkIdentityValues();  // 0x50: owner name and text, identity
    bool checkTrainValues();     // 0x70: channel, 调号, 编号
    bool checkKeyValues();       // 0x74: the three key timings
    bool checkText(int editId, std::size_t maxBytes, const std::string& field,
                   const std::string& tooLong);
    long long identityToSend() const;
    bool sendIdentityWrite();
    void sendCommonWrite();

    void onCommon(const wire::FrameView& f);
    void onIdentity(const wire::FrameView& f);
    void onTrain(const wire::FrameView& f);
    void onKeys(const wire::FrameView& f);
    // A box with caption "提示", OK and no icon; returns false.
    bool refuse(const std::string& text);

    [[maybe_unused]] TrainState& state_;
    int writeMode_ = 0;
    wire::Bytes keptCommon_;  // the last 0x23 received, from its byte 0, 512 bytes
    std::array<std::string, 2> acceptedTexts_;  // owner name, owner text: last text in bounds
};

}  // namespace rb::families::train
