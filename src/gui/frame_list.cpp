#include "gui/frame_list.h"

#include <QCheckBox>
#include <QColor>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/language/language.h"

namespace rb::gui {

namespace {

// "发送" is TX in the list, and "Send" on a button.
QString directionShown(monitor::FrameDirection d) {
    return uiText(monitor::directionText(d), "direction");
}

enum Column { kTime, kDirection, kCode, kBytes, kColumns };

QColor colourOf(monitor::FrameDirection d) {
    switch (d) {
        case monitor::FrameDirection::Sent:
            return {0x1d, 0x4e, 0xd8};  // blue
        case monitor::FrameDirection::Received:
            return {0x15, 0x80, 0x3d};  // green
        case monitor::FrameDirection::Note:
            break;
    }
    return {0x6b, 0x72, 0x80};  // grey
}

QString meaningOf(monitor::FrameDirection d) {
    switch (d) {
        case monitor::FrameDirection::Sent:
            return uiText("蓝色: 发给终端的帧");
        case monitor::FrameDirection::Received:
            return uiText("绿色: 终端发来的帧");
        case monitor::FrameDirection::Note:
            break;
    }
    return uiText("灰色: 提示信息");
}

}  // namespace

FrameListModel::FrameListModel(const monitor::FrameLog& log, QObject* parent)
    : QAbstractTableModel(parent), log_(log) {
    setFilter(filter_);
}

int FrameListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int FrameListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

const monitor::LoggedFrame& FrameListModel::frameAt(int row) const {
    return log_.frames()[rows_[std::size_t(row)] - log_.dropped()];
}

QVariant FrameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size())) return {};
    const monitor::LoggedFrame& f = frameAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case kTime:
                    return QString::fromStdString(monitor::timeOfDay(f.timeMs));
                case kDirection:
                    return directionShown(f.direction);
                case kCode:
                    return QString::fromStdString(monitor::codeText(f.code));
                case kBytes:
                    // A note is the page's own message; bytes are data.
                    return f.direction == monitor::FrameDirection::Note
                               ? uiText(f.bytes)
                               : QString::fromStdString(f.bytes);
                default:
                    return {};
            }
        case Qt::ForegroundRole:
            return colourOf(f.direction);
        case Qt::ToolTipRole:
            // A long frame is cut at the column's edge: the tip holds all of it.
            if (index.column() == kBytes)
                return QString::fromStdString(f.bytes) + QStringLiteral("\n") +
                       meaningOf(f.direction);
            return meaningOf(f.direction);
        default:
            return {};
    }
}

QVariant FrameListModel::headerData(int section, Qt::Orientation o, int role) const {
    if (o != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const names[kColumns] = {"时间", "方向", "命令", "字节"};
    return section >= 0 && section < kColumns ? uiText(names[section], "column") : QVariant();
}

void FrameListModel::setFilter(const monitor::FrameFilter& filter) {
    beginResetModel();
    filter_ = filter;
    rows_.clear();
    const auto& frames = log_.frames();
    for (std::size_t i = 0; i < frames.size(); ++i)
        if (filter_.matches(frames[i])) rows_.push_back(log_.dropped() + i);
    endResetModel();
}

void FrameListModel::dropGone() {
    std::size_t gone = 0;
    while (gone < rows_.size() && rows_[gone] < log_.dropped()) ++gone;
    if (gone == 0) return;
    beginRemoveRows({}, 0, int(gone) - 1);
    rows_.erase(rows_.begin(), rows_.begin() + std::ptrdiff_t(gone));
    endRemoveRows();
}

void FrameListModel::frameAdded() {
    dropGone();
    if (log_.frames().empty() || !filter_.matches(log_.frames().back())) return;
    const int row = int(rows_.size());
    beginInsertRows({}, row, row);
    rows_.push_back(log_.dropped() + log_.frames().size() - 1);
    endInsertRows();
}

void FrameListModel::cleared() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

std::vector<std::size_t> FrameListModel::shownPositions() const {
    std::vector<std::size_t> positions;
    positions.reserve(rows_.size());
    for (std::size_t r : rows_) positions.push_back(r - log_.dropped());
    return positions;
}

FrameList::FrameList(monitor::CMonitorDlg& monitor, QWidget* parent)
    : QWidget(parent), monitor_(monitor) {
    model_ = new FrameListModel(monitor_.frames(), this);

    sent_ = new QCheckBox(directionShown(monitor::FrameDirection::Sent));
    received_ = new QCheckBox(directionShown(monitor::FrameDirection::Received));
    notes_ = new QCheckBox(directionShown(monitor::FrameDirection::Note));
    for (QCheckBox* b : {sent_, received_, notes_}) {
        b->setChecked(true);
        connect(b, &QCheckBox::toggled, this, [this] { applyFilter(); });
    }
    code_ = new QLineEdit;
    code_->setPlaceholderText(uiText("例如 9A"));
    code_->setToolTip(uiText("只显示此命令字节(十六进制)的帧"));
    code_->setMaximumWidth(90);
    text_ = new QLineEdit;
    text_->setPlaceholderText(uiText("字节或提示中的文字"));
    filterNote_ = new QLabel;
    filterNote_->setStyleSheet(QStringLiteral("color: #b91c1c"));
    for (QLineEdit* e : {code_, text_})
        connect(e, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    auto* exportButton = new QPushButton(uiText("导出"));
    exportButton->setToolTip(uiText("把列表中显示的帧导出为CSV文件"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportShown(); });

    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(uiText("显示:")));
    filterRow->addWidget(sent_);
    filterRow->addWidget(received_);
    filterRow->addWidget(notes_);
    filterRow->addSpacing(8);
    filterRow->addWidget(new QLabel(uiText("命令:")));
    filterRow->addWidget(code_);
    filterRow->addWidget(new QLabel(uiText("文字:")));
    filterRow->addWidget(text_, 1);
    filterRow->addWidget(exportButton);

    table_ = new QTableView;
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Each column as wide as its caption or its widest value, in either language.
    const QFontMetrics fm(table_->font());
    auto fit = [&](int column, const QStringList& values) {
        int width = table_->horizontalHeader()->fontMetrics().horizontalAdvance(
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        for (const QString& v : values) width = std::max(width, fm.horizontalAdvance(v));
        table_->setColumnWidth(column, width + 16);
    };
    fit(kTime, {QStringLiteral("00:00:00.000")});
    fit(kDirection, {directionShown(monitor::FrameDirection::Sent),
                     directionShown(monitor::FrameDirection::Received),
                     directionShown(monitor::FrameDirection::Note)});
    fit(kCode, {QStringLiteral("FF")});
    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { follow_ = v == table_->verticalScrollBar()->maximum(); });

    search_ = new QLineEdit;
    search_->setPlaceholderText(uiText("查找(回车: 下一个)"));
    searchNote_ = new QLabel;
    auto* closeSearch = new QPushButton(uiText("关闭", "button"));
    searchBar_ = new QWidget;
    auto* searchRow = new QHBoxLayout(searchBar_);
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->addWidget(new QLabel(uiText("查找:")));
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(searchNote_);
    searchRow->addWidget(closeSearch);
    searchBar_->hide();
    connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
    connect(closeSearch, &QPushButton::clicked, searchBar_, &QWidget::hide);
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, [this] { openSearch(); });

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(0, 0, 0, 0);
    box->addLayout(filterRow);
    box->addWidget(filterNote_);
    box->addWidget(table_, 1);
    box->addWidget(searchBar_);
    filterNote_->hide();

    monitor_.frameAdded = [this](const monitor::LoggedFrame&) {
        model_->frameAdded();
        if (follow_) table_->scrollToBottom();
    };
    monitor_.framesCleared = [this] { model_->cleared(); };
}

FrameList::~FrameList() {
    monitor_.frameAdded = nullptr;
    monitor_.framesCleared = nullptr;
}

void FrameList::applyFilter() {
    monitor::FrameFilter f;
    f.sent = sent_->isChecked();
    f.received = received_->isChecked();
    f.notes = notes_->isChecked();
    f.code = code_->text().toStdString();
    f.text = text_->text().toStdString();
    std::string why;
    filterNote_->setVisible(!f.valid(&why));
    filterNote_->setText(uiText(why));
    model_->setFilter(f);
    table_->scrollToBottom();
}

void FrameList::openSearch() {
    searchBar_->show();
    search_->setFocus();
    search_->selectAll();
}

bool FrameList::findNext() {
    const QModelIndex current = table_->currentIndex();
    const std::size_t from = current.isValid() ? std::size_t(current.row()) : std::size_t(-1);
    const auto shown = model_->shownPositions();
    auto hit =
        monitor::findNext(monitor_.frames().frames(), shown, search_->text().toStdString(), from);
    searchNote_->setText(hit ? QString() : uiText("未找到"));
    if (!hit) return false;
    const QModelIndex index = model_->index(int(*hit), kBytes);
    table_->setCurrentIndex(index);
    table_->scrollTo(index);
    return true;
}

void FrameList::exportShown() { monitor_.exportFrames(model_->shownPositions()); }

}  // namespace rb::gui
