#include "gui/station/station_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "cli/script_runner.h"
#include "engine/user_settings.h"
#include "gui/language/language.h"

namespace rb::gui::station {

namespace {

QPushButton* button(const char* text, QWidget* parent) {
    return new QPushButton(uiText(text), parent);
}

QTreeWidget* table(const QStringList& headers, QWidget* parent) {
    auto* t = new QTreeWidget(parent);
    t->setHeaderLabels(headers);
    t->setRootIsDecorated(false);
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    return t;
}

}  // namespace

StationWindow::StationWindow(engine::Session& session,
                             std::function<engine::Container*()> production, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), production_(std::move(production)) {
    setWindowTitle(uiText("测试站"));
    build();
    plan_->setText(QString::fromStdString(engine::readOption(session_.paths, kPlanFileKey)));
    resize(720, 640);
    unit_->setFocus();
}

StationWindow::~StationWindow() {
    if (runner_) runner_->requestStop();
}

void StationWindow::build() {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(uiText("测试计划:"), this), 0, 0);
    plan_ = new QLineEdit(this);
    plan_->setReadOnly(true);
    plan_->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(plan_, 0, 1);
    auto* choose = button("选择...", this);
    choose->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(choose, 0, 2, 1, 2);
    grid->addWidget(new QLabel(uiText("单元编号:"), this), 1, 0);
    unit_ = new QLineEdit(this);
    unit_->setPlaceholderText(uiText("扫描条码或输入, 回车开始"));
    QFont big = unit_->font();
    big.setPointSize(big.pointSize() + 4);
    unit_->setFont(big);
    grid->addWidget(unit_, 1, 1);
    start_ = button("开始", this);
    stop_ = button("停止", this);
    stop_->setEnabled(false);
    grid->addWidget(start_, 1, 2);
    grid->addWidget(stop_, 1, 3);

    banner_ = new QLabel(this);
    banner_->setAlignment(Qt::AlignCenter);
    banner_->setMinimumHeight(90);
    QFont huge = banner_->font();
    huge.setPointSize(36);
    huge.setBold(true);
    banner_->setFont(huge);
    showBanner({}, {});

    steps_ = table({uiText("步骤 / 测量"), uiText("数值"), uiText("下限"), uiText("上限"),
                    uiText("单位"), uiText("结果")},
                   this);
    steps_->setRootIsDecorated(true);
    steps_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    progress_ = new QProgressBar(this);
    progress_->setFormat(uiText("%v / %m 步"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    history_ = table({uiText("时间"), uiText("单元"), uiText("结果"), uiText("不合格项")}, this);
    history_->setMaximumHeight(180);

    auto* box = new QVBoxLayout(this);
    box->addLayout(grid);
    box->addWidget(banner_);
    box->addWidget(steps_, 1);
    box->addWidget(progress_);
    box->addWidget(new QLabel(uiText("最近十个单元:"), this));
    box->addWidget(history_);

    connect(choose, &QPushButton::clicked, this, [this] { choosePlan(); });
    connect(unit_, &QLineEdit::returnPressed, this, [this] { start(); });
    connect(start_, &QPushButton::clicked, this, [this] { start(); });
    connect(stop_, &QPushButton::clicked, this, [this] { stop(); });
}

void StationWindow::choosePlan() {
    const QString dir = plan_->text().isEmpty() ? QString() : QFileInfo(plan_->text()).path();
    const QString path = QFileDialog::getOpenFileName(this, uiText("选择测试计划"), dir,
                                                      uiText("测试计划(*.plan);;所有文件(*)"));
    if (!path.isEmpty()) setPlanPath(path);
    unit_->setFocus();
}

void StationWindow::setPlanPath(const QString& path) {
    plan_->setText(path);
    std::string error;
    if (!engine::saveOption(session_.paths, kPlanFileKey, path.toStdString(), &error)) {
        session_.prompter.info("设置保存失败:" + error, "提示", this);
    }
}

QString StationWindow::planPath() const { return plan_->text(); }

void StationWindow::closeEvent(QCloseEvent* event) {
    // A run in progress is ended first; the window goes once it has.
    if (runner_) {
        stop();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void StationWindow::showBanner(const std::string& outcome, const std::string& unit) {
    QString style = QStringLiteral("color: white; border-radius: 6px; background: ");
    if (outcome == units::kRunPass) {
        style += QStringLiteral("#2e7d32;");
    } else if (outcome == units::kRunFail) {
        style += QStringLiteral("#c62828;");
    } else if (outcome == units::kRunError) {
        style += QStringLiteral("#ef6c00;");
    } else if (outcome == units::kRunAborted) {
        style += QStringLiteral("#616161;");
    } else {
        style = QStringLiteral("color: #455a64; border: 1px solid #b0bec5; border-radius: 6px;");
    }
    banner_->setStyleSheet(style);
    QString text = uiText(outcome.empty() ? std::string("—") : outcome);
    if (!unit.empty()) text += QStringLiteral("   ") + QString::fromStdString(unit);
    banner_->setText(text);
}

}  // namespace rb::gui::station
