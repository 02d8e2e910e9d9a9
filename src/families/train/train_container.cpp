#include "families/train/train_container.h"

#include <memory>

#include "families/common96/container_config.h"
#include "families/train/train_base.h"
#include "families/train/train_key.h"

namespace rb::families::train {

CTrainDlg::CTrainDlg(engine::Session& session)
    : engine::Container(session,
                        common96::containerConfig(CTrainDlg::kHeading, CTrainDlg::kDefaultFileName,
                                                  CTrainDlg::kBaud, "train")) {
    addPage(std::make_unique<CTrainBase>(session, trainState), "基本信息");
    addPage(std::make_unique<CTrainKey>(session, trainState), "用户信息");
    selectTab(0);
}

CTrainBase& CTrainDlg::base() { return static_cast<CTrainBase&>(page(CTrainBase::kIndex)); }

CTrainKey& CTrainDlg::key() { return static_cast<CTrainKey&>(page(CTrainKey::kIndex)); }

}  // namespace rb::families::train
