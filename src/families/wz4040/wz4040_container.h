// CWZ4040: the trunking container, opened for two terminal types: "WZ-4040集群" (trunking
// variant, lm520wMode 0) and "LM520W" (relay variant, lm520wMode 1). Four tabs — "基本信息"
// (CWZ4040Base), "用户信息" (CWZ4040User), "强制调度类(测试使用)" (CWZ4040Muster),
// "业务控制类(测试使用)" (CWZ4040Ctrl). Every 0xEA / 0x96 frame that passes the checksum test
// (skipped for command 0x55) goes to all four pages in that order, without exception guarding. No
// file buttons: no page stores or loads a file.
#pragma once

#include "engine/container.h"
#include "families/eapages/ea_container.h"

namespace rb::families::wz4040 {

class CWZ4040Base;
class CWZ4040User;
class CWZ4040Muster;
class CWZ4040Ctrl;

class CWZ4040 : public engine::Container {
public:
    static constexpr const char* kHeading = "终端类型:WZ-4040集群(串口速率:19200)";
    static constexpr int kBaud = eapages::kEaBaud;

    explicit CWZ4040(engine::Session& session);

    // Shown again as one of its two types: the base page takes that variant's face.
    void OnShow() override;

    CWZ4040Base& base();
    CWZ4040User& user();
    CWZ4040Muster& muster();
    CWZ4040Ctrl& ctrl();
};

}  // namespace rb::families::wz4040
