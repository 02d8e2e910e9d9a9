#include "families/train/train_container.h"

#include <memory>

#include "families/train/train_base.h"
#include "families/train/train_key.h"

namespace rb::families::train {

namespace {

engine::ContainerConfig trainConfig() {
    engine::ContainerConfig config;
    config.heading = CTrainDlg::kHeading;
    config.defaultFileName = CTrainDlg::kDefaultFileName;
    config.checksumTest = wire::ChecksumTest::AlwaysCompared;
    config.guarded = true;
    // requestPage 0 -> base page, any other value -> the key page (the last one).
    config.routing = engine::Routing::ByRequestPage;
    config.fileButtons = true;
    config.baud = CTrainDlg::kBaud;
    config.family = "train";
    return config;
}

}  // namespace

CTrainDlg::CTrainDlg(engine::Session& session) : engine::Container(session, trainConfig()) {
    addPage(std::make_unique<CTrainBase>(session, trainState), "基本信息");
    addPage(std::make_unique<CTrainKey>(session, trainState), "用户信息");
    selectTab(0);
}

CTrainBase& CTrainDlg::base() { return static_cast<CTrainBase&>(page(CTrainBase::kIndex)); }

CTrainKey& CTrainDlg::key() { return static_cast<CTrainKey&>(page(CTrainKey::kIndex)); }

}  // namespace rb::families::train
