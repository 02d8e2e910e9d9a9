// CWZ4040: the trunking container, opened for two terminal types: "WZ-4040集群" (trunking
// variant, type "wz4040") and "LM520W" (relay variant, type "lm520w"). Four tabs — "基本信息"
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
    // The heading while it shows as the LM520W relay.
    static constexpr const char* kRelayHeading = "终端类型:LM520W(串口速率:19200)";
    static constexpr int kBaud = eapages::kEaBaud;

    explicit CWZ4040(engine::Session& session);

    // Shown again as one of its two types: the base page takes that variant's face.
    void OnShow() override;
    // "lm520w" chooses the relay variant, "wz4040" the trunking one, each with its heading;
    // other keys change nothing.
    void showAs(const std::string& typeKey) override;
    bool relay() const { return relay_; }

    CWZ4040Base& base();
    CWZ4040User& user();
    CWZ4040Muster& muster();
    CWZ4040Ctrl& ctrl();

private:
    bool relay_ = false;  // shown as the LM520W relay
};

}  // namespace rb::families::wz4040
