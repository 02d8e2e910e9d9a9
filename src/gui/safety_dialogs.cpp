#include "gui/safety_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/page.h"
#include "gui/language/language.h"
#include "gui/safety_bar.h"

namespace rb::gui {

namespace {

std::vector<engine::HistoryEntry> latestFirst(const engine::Container& container,
                                              const std::string& type) {
    auto entries = engine::ReadHistory(container.sessionPaths().dataDir).list(type);
    std::reverse(entries.begin(), entries.end());
    return entries;
}

QString entryText(const engine::HistoryEntry& e) {
    QString text = QString::fromStdString(e.when());
    if (!e.code.empty()) text += QStringLiteral("  ") + QString::fromStdString(e.code);
    return text;
}

}  // namespace

CompareDialog::CompareDialog(SafetyBar& bar, engine::Container& container, const std::string& type,
                             QWidget* parent)
    : QDialog(parent), bar_(bar), container_(container), entries_(latestFirst(container, type)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(uiText("比较"));
    source_ = new QComboBox;
    source_->setObjectName(QStringLiteral("compare_source"));
    for (const auto& e : entries_) source_->addItem(entryText(e));
    source_->addItem(uiText(safety_ids::kOtherFile));
    summary_ = new QLabel;
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("compare_list"));
    list_->setMinimumSize(520, 240);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* box = new QVBoxLayout(this);
    box->addWidget(source_);
    box->addWidget(summary_);
    box->addWidget(list_);
    box->addWidget(buttons);
    connect(source_, &QComboBox::activated, this, [this](int i) { sourceChosen(i); });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const std::size_t row = std::size_t(list_->row(item));
        if (row < differences_.size())
            bar_.showField(differences_[row].page, differences_[row].field.id);
    });
    if (!entries_.empty()) sourceChosen(0);  // the latest read
}

void CompareDialog::sourceChosen(int index) {
    if (index >= 0 && std::size_t(index) < entries_.size()) {
        compareWith(entries_[std::size_t(index)].path);
        return;
    }
    const auto path = container_.session().prompter.chooseFile(
        engine::FileChoice{false, container_.config().defaultFileName, "ini", engine::kIniFilter});
    if (path) compareWith(*path);
}

bool CompareDialog::compareWith(const std::string& path) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].path == path) source_->setCurrentIndex(int(i));
    }
    list_->clear();
    differences_.clear();
    std::string problem;
    auto loaded = engine::LoadedFile::load(container_, path, problem);
    if (!loaded) {
        summary_->setText(uiText(engine::kNotThisTypesFile));
        container_.session().prompter.info(engine::kNotThisTypesFile, engine::kInfoCaption);
        return false;
    }
    differences_ = engine::compareConfigs(loaded->container(), container_);
    for (const auto& d : differences_) list_->addItem(uiText(engine::describeChange(d)));
    summary_->setText(differences_.empty()
                          ? uiText(safety_ids::kNoDifference)
                          : uiText("%1 处不同 (文件 → 窗口)").arg(differences_.size()));
    return true;
}

HistoryDialog::HistoryDialog(SafetyBar& bar, engine::Container& container, const std::string& type,
                             QWidget* parent)
    : QDialog(parent),
      bar_(bar),
      container_(container),
      type_(type),
      entries_(latestFirst(container, type)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(uiText("历史记录"));
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("history_list"));
    list_->setMinimumSize(360, 240);
    for (const auto& e : entries_) list_->addItem(entryText(e));
    if (!entries_.empty()) list_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* restoreButton =
        buttons->addButton(uiText(safety_ids::kRestore), QDialogButtonBox::ActionRole);
    restoreButton->setObjectName(QStringLiteral("history_restore"));
    QPushButton* compareButton = buttons->addButton(uiText("比较"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(restoreButton, &QPushButton::clicked, this, [this] {
        if (restore(list_->currentRow())) accept();
    });
    connect(compareButton, &QPushButton::clicked, this, [this] {
        const int row = list_->currentRow();
        if (row < 0 || std::size_t(row) >= entries_.size()) return;
        auto* dialog = new CompareDialog(bar_, container_, type_, parentWidget());
        dialog->compareWith(entries_[std::size_t(row)].path);
        dialog->show();
    });
    auto* box = new QVBoxLayout(this);
    box->addWidget(list_);
    box->addWidget(buttons);
}

bool HistoryDialog::restore(int row) {
    if (row < 0 || std::size_t(row) >= entries_.size()) return false;
    return container_.loadFile(entries_[std::size_t(row)].path);
}

}  // namespace rb::gui
