// The encryption group both user pages of the LM52R and the network radio have, with the same
// controls and frames: 加密方案 (2085, 0-15), 密钥参数 (1060, 0-65535), 定义密钥 (1061, at most
// 12 GBK bytes); "设置" (2092) sends 0x34 (answer 0x35), "读取" (2093) sends 0x36 with the scheme
// (answer 0x37). The key word travels only with key parameter 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/form_model.h"
#include "wire/frame.h"

namespace rb::families::common96 {

inline constexpr int kSchemeEdit = 2085;
inline constexpr int kKeyParamEdit = 1060;
inline constexpr int kKeyWordEdit = 1061;
inline constexpr int kEncryptSetButton = 2092;
inline constexpr int kEncryptReadButton = 2093;
inline constexpr std::size_t kKeyWordBytes = 12;

inline constexpr std::uint8_t kEncryptWrite = 0x34;
inline constexpr std::uint8_t kEncryptAck = 0x35;
inline constexpr std::uint8_t kEncryptRead = 0x36;
inline constexpr std::uint8_t kEncryptAnswer = 0x37;

// Why the group's fields cannot be sent ("加密方案设置错误,请设为0-15!", ...), in the order the
// terminal's pages check them, or nothing when they can.
std::optional<std::string> encryptionRefusal(const engine::FormModel& form);
// The 0x34 request of the group's fields (checked first with encryptionRefusal).
wire::Bytes encryptionWriteRequest(const engine::FormModel& form);
// The 0x36 request for the scheme in the field.
wire::Bytes encryptionReadRequest(const engine::FormModel& form);

// What a 0x37 answer shows: the scheme only when the field cannot hold it (then 15), the key
// parameter, and the key word (empty unless the key parameter is 0).
struct EncryptionAnswer {
    std::optional<int> scheme;
    int keyParam = 0;
    std::string keyWord;
};
EncryptionAnswer decodeEncryption(const wire::FrameView& answer);

}  // namespace rb::families::common96
