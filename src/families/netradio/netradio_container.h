// CNetRadio: the network-radio container. Two tabs — "基本信息" (CNetRadioBase) and "用户信息"
// (CNetRadioUser); answers go to the base page when `requestPage` is 0 and to the user page for
// any other value; both pages take part in the file ("Network" as default name).
#pragma once

#include "engine/container.h"

namespace rb::families::netradio {

class CNetRadioBase;
class CNetRadioUser;

class CNetRadio : public engine::Container {
public:
    static constexpr const char* kHeading = "终端类型:网络电台(串口速率:9600)";
    static constexpr const char* kDefaultFileName = "Network";
    static constexpr int kBaud = 9600;

    explicit CNetRadio(engine::Session& session);

    CNetRadioBase& base();
    CNetRadioUser& user();
};

}  // namespace rb::families::netradio
