// CLM52R: the LM52R/LM520 container. Three tabs — "基本信息" (CLM52RBase), "用户信息"
// (CLM52RUser), "列车信息" (CLM52RCrew) — that share one Lm52rState; answers go to the page
// that sent the latest request (`requestPage`); the base and user pages take part in the file.
#pragma once

#include "engine/container.h"
#include "families/lm52r/lm52r_state.h"

namespace rb::families::lm52r {

class CLM52RBase;

namespace detail {
// Holds the family's shared state ahead of the container base, so that the state is built
// before the pages that refer to it and outlives them.
struct Lm52rStateHolder {
    Lm52rState lm52rState;
};
}  // namespace detail

class CLM52R : private detail::Lm52rStateHolder, public engine::Container {
public:
    static constexpr const char* kHeading = "终端类型:LM52R/LM520(串口速率:9600)";
    static constexpr const char* kDefaultFileName = "LM52R";
    static constexpr int kBaud = 9600;

    explicit CLM52R(engine::Session& session);

    Lm52rState& state() { return lm52rState; }
    CLM52RBase& base();
};

}  // namespace rb::families::lm52r
