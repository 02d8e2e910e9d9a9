#include "gui/unit_records_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "gui/control_chart_tab.h"
#include "gui/language/language.h"
#include "gui/yield_chart_tab.h"
#include "units/exporters.h"
#include "units/readable.h"
#include "units/unit_store.h"

namespace rb::gui {

UnitRecordsDialog::UnitRecordsDialog(QWidget* parent) : QDialog(parent) {
    auto* box = new QVBoxLayout(this);
    tabs_ = new QTabWidget;
    box->addWidget(tabs_, 1);
    auto* records = new QWidget;
    auto* list = new QVBoxLayout(records);
    note_ = new QLabel;
    list->addWidget(note_);
    table_ = new QTableWidget(0, 4);
    table_->setHorizontalHeaderLabels(
        {uiText("时间"), uiText("项目"), uiText("数值"), uiText("结果")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    // Time, kind and outcome as wide as their texts, the fields take the rest: the vertical
    // scroll bar narrows the fields, never the outcome.
    QHeaderView* header = table_->horizontalHeader();
    header->setStretchLastSection(false);
    for (int c : {0, 1, 3}) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table_->setWordWrap(false);
    list->addWidget(table_, 1);
    tabs_->addTab(records, uiText("记录"));
    yield_ = new YieldChartTab;
    tabs_->addTab(yield_, uiText("良率"));
    control_ = new ControlChartTab;
    tabs_->addTab(control_, uiText("控制图"));
    connect(control_->names(), &QComboBox::currentTextChanged, this,
            &UnitRecordsDialog::showMeasurement);
    auto* close = new QPushButton(uiText("关闭", "button"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    box->addLayout(row);
    resize(860, 460);
}

void UnitRecordsDialog::showMeasurement(const QString& name) {
    if (name.isEmpty()) return;
    units::UnitStore store;
    std::string error;
    if (store.openForReading(path_, &error)) control_->show(store, name);
}

void UnitRecordsDialog::fill(const std::string& path, const std::string& machineCode) {
    const QString code = uiText(units::codeText(machineCode));
    setWindowTitle(uiText("单元记录 - ") + code);
    path_ = path;
    table_->setRowCount(0);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        note_->setText(uiText("还没有单元记录 (") + QString::fromStdString(path) + ")");
        return;
    }
    units::UnitStore store;
    std::string error;
    std::optional<std::vector<units::UnitRecord>> records;
    units::RecordFilter filter;
    filter.machineCode = machineCode;
    filter.newestFirst = true;
    if (store.openForReading(path, &error)) records = store.records(filter, &error);
    if (store.isOpen()) {
        yield_->fill(store);
        control_->fill(store);
    }
    if (!records) {
        note_->setText(uiText("单元记录数据库无法读取: ") + uiText(error));
        return;
    }
    note_->setText(uiText("机器码 ") + code + uiText(": %1 条记录").arg(records->size()));
    table_->setRowCount(int(records->size()));
    const auto before = units::predecessors(*records, /*newestFirst=*/true);
    for (int i = 0; i < int(records->size()); ++i) {
        const units::UnitRecord& r = (*records)[std::size_t(i)];
        const int b = before[std::size_t(i)];
        const units::UnitRecord* prev = b >= 0 ? &(*records)[std::size_t(b)] : nullptr;
        const QString cells[] = {QString::fromStdString(units::localTimeText(r.timeMs)),
                                 uiText(units::kindName(r.kind)),
                                 uiText(units::valuesText(r, prev)), uiText(units::outcomeText(r))};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            table_->setItem(i, c, item);
        }
    }
}

}  // namespace rb::gui
