// CQX710: the QX-7100 ship-station container. Three tabs — "本地设置查询" (CQX710Base),
// "强制调度类(测试使用)" (CQX710Muster), "业务控制类(测试使用)" (CQX710Ctrl) — that share the
// channel step. Every 0xEA / 0x96 frame that passes the checksum test (skipped for command 0x55)
// goes to all three pages in that order, without exception guarding; each page acts only on its
// own answer codes. Only the base page takes part in the file (default name "QX710").
#pragma once

#include "engine/container.h"
#include "families/eapages/ea_container.h"
#include "families/qx710/qx710_state.h"

namespace rb::families::qx710 {

class CQX710Base;
class CQX710Muster;
class CQX710Ctrl;

namespace detail {
// Holds the shared state ahead of the container base so that it outlives the pages.
struct Qx710StateHolder {
    Qx710State qx710State;
};
}  // namespace detail

class CQX710 : private detail::Qx710StateHolder, public engine::Container {
public:
    static constexpr const char* kHeading = "终端类型:QX-7100(串口速率:19200)";
    static constexpr const char* kDefaultFileName = "QX710";
    static constexpr int kBaud = eapages::kEaBaud;

    explicit CQX710(engine::Session& session);

    Qx710State& state() { return qx710State; }
    CQX710Base& base();
    CQX710Muster& muster();
    CQX710Ctrl& ctrl();
};

}  // namespace rb::families::qx710
