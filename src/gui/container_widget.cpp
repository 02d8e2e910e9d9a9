#include "gui/container_widget.h"

#include <QHBoxLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "families/lm52r/lm52r_base.h"
#include "gui/language/language.h"

namespace rb::gui {

namespace {
constexpr QSize kEmptyPageSize{640, 400};
constexpr int kPageMargin = 6;  // between a tab's edge and its page, on every side
}  // namespace

FormDialog::FormDialog(engine::FormModel& model, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    view_ = new FormView(model);
    auto* box = new QVBoxLayout(this);
    box->addWidget(view_);
}

ContainerWidget::ContainerWidget(engine::Container& container, ModalRunner runModal,
                                 QWidget* parent)
    : QWidget(parent), container_(container), runModal_(std::move(runModal)) {
    namespace l = engine::layout;
    std::vector<engine::LayoutItem> head = {l::ctl(engine::kHeadingLabel), l::stretch()};
    if (container_.config().fileButtons) {
        head.push_back(l::ctl(engine::kOpenFileButton));
        head.push_back(l::ctl(engine::kStoreFileButton));
    }
    auto* heading = new FormView(container_.form(), l::row(std::move(head)));

    tabs_ = new QTabWidget;
    tabs_->setUsesScrollButtons(false);  // every caption shows whole: the window grows for them
    tabs_->setTabBarAutoHide(true);      // a one-page container (the production test) shows no tab
    for (std::size_t i = 0; i < container_.pageCount(); ++i) {
        engine::Page& page = container_.page(i);
        auto* view = new FormView(page.form());
        pages_.push_back(view);
        // Every page of every type sits the same way: across the whole width of its tab, from
        // the top, with one margin; what a page does not need stays free below it.
        auto* holder = new QWidget;
        auto* holderBox = new QVBoxLayout(holder);
        holderBox->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
        holderBox->addWidget(view, 0, Qt::AlignTop);
        // A page whose controls do not exist yet still takes the room of a form.
        if (page.form().ids().empty()) holder->setMinimumSize(kEmptyPageSize);
        tabs_->addTab(holder, uiText(container_.caption(i)));
        hookPageDialogs(page);
    }
    tabs_->setCurrentIndex(int(container_.currentTab()));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index >= 0) container_.selectTab(std::size_t(index));
    });
    // A container whose pages choose which of them shows (the production test and its data
    // test) has no tab bar; the window follows the container.
    if (!container_.config().tabBar) {
        tabs_->tabBar()->hide();
        // Only the page that shows counts for the window's size: the production page keeps
        // its own size while the larger data-test page rests.
        showOnlyPage(int(container_.currentTab()));
    }
    container_.tabSelected = [this](std::size_t i) {
        if (container_.config().tabBar) {
            tabs_->setCurrentIndex(int(i));
        } else {
            showOnlyPage(int(i));
        }
    };

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    headingRow_ = new QHBoxLayout;
    headingRow_->addWidget(heading, 1);
    box->addLayout(headingRow_);
    box->addWidget(tabs_, 1);  // the heading keeps its height; the tabs take the rest
}

void ContainerWidget::addHeadingWidget(QWidget* widget) { headingRow_->addWidget(widget); }

void ContainerWidget::showOnlyPage(int index) {
    tabs_->setTabVisible(index, true);
    tabs_->setCurrentIndex(index);
    for (int i = 0; i < tabs_->count(); ++i) {
        if (i != index) tabs_->setTabVisible(i, false);
    }
    tabs_->updateGeometry();
    updateGeometry();
}

void ContainerWidget::hookPageDialogs(engine::Page& page) {
    using families::lm52r::CChannelParamDlg;
    if (auto* base = dynamic_cast<families::lm52r::CLM52RBase*>(&page)) {
        base->showDialog = [this](CChannelParamDlg& dlg) {
            FormDialog d(dlg.form(), uiText(CChannelParamDlg::kCaption), this);
            dlg.closed = [&d](CChannelParamDlg::Result r) {
                d.done(r == CChannelParamDlg::Result::Ok ? QDialog::Accepted : QDialog::Rejected);
            };
            runModal_(d);
            dlg.closed = nullptr;
            // Escape or the close box end it like "取消".
            if (dlg.result() == CChannelParamDlg::Result::Open) dlg.OnCancel();
        };
    }
}

}  // namespace rb::gui
