// CTrainDlg: the train / flat dispatch station container. Two tabs — "基本信息" (CTrainBase) and
// "用户信息" (CTrainKey) — that share one TrainState; answers go to the base page when
// `requestPage` is 0 and to the key page otherwise; both pages take part in the file.
#pragma once

#include "engine/container.h"
#include "families/train/train_state.h"

namespace rb::families::train {

class CTrainBase;
class CTrainKey;

namespace detail {
// Holds the shared state ahead of the container base, so that it is built before the pages
// that refer to it and outlives them.
struct TrainStateHolder {
    TrainState trainState;
};
}  // namespace detail

class CTrainDlg : private detail::TrainStateHolder, public engine::Container {
public:
    static constexpr const char* kHeading = "终端类型:平调/列调台(串口速率:9600)";
    static constexpr const char* kDefaultFileName = "Train";
    static constexpr int kBaud = 9600;

    explicit CTrainDlg(engine::Session& session);

    TrainState& state() { return trainState; }
    CTrainBase& base();
    CTrainKey& key();
};

}  // namespace rb::families::train
