#include "gui/unit_records_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "units/exporters.h"
#include "units/unit_store.h"

namespace rb::gui {

UnitRecordsDialog::UnitRecordsDialog(QWidget* parent) : QDialog(parent) {
    auto* box = new QVBoxLayout(this);
    note_ = new QLabel;
    box->addWidget(note_);
    table_ = new QTableWidget(0, 4);
    table_->setHorizontalHeaderLabels({QStringLiteral("时间"), QStringLiteral("项目"),
                                       QStringLiteral("数值"), QStringLiteral("结果")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->setWordWrap(false);
    box->addWidget(table_, 1);
    auto* close = new QPushButton(QStringLiteral("关闭"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(close);
    box->addLayout(row);
    resize(820, 420);
}

void UnitRecordsDialog::fill(const std::string& path, const std::string& machineCode) {
    setWindowTitle(QStringLiteral("单元记录 - ") + QString::fromStdString(machineCode));
    table_->setRowCount(0);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        note_->setText(QStringLiteral("还没有单元记录 (") + QString::fromStdString(path) + ")");
        return;
    }
    units::UnitStore store;
    std::string error;
    std::optional<std::vector<units::UnitRecord>> records;
    units::RecordFilter filter;
    filter.machineCode = machineCode;
    filter.newestFirst = true;
    if (store.openForReading(path, &error)) records = store.records(filter, &error);
    if (!records) {
        note_->setText(QStringLiteral("单元记录数据库无法读取: ") + QString::fromStdString(error));
        return;
    }
    note_->setText(QStringLiteral("机器码 ") + QString::fromStdString(machineCode) +
                   QStringLiteral(": %1 条记录").arg(records->size()));
    table_->setRowCount(int(records->size()));
    for (int i = 0; i < int(records->size()); ++i) {
        const units::UnitRecord& r = (*records)[std::size_t(i)];
        const QString cells[] = {QString::fromStdString(units::localTimeText(r.timeMs)),
                                 QString::fromStdString(units::kindName(r.kind)),
                                 QString::fromStdString(r.values),
                                 QString::fromStdString(r.outcome == "ok"       ? "成功"
                                                        : r.outcome == "failed" ? "失败"
                                                                                : r.outcome)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            table_->setItem(i, c, item);
        }
    }
    table_->resizeColumnToContents(0);
    table_->resizeColumnToContents(1);
    table_->resizeColumnToContents(3);
}

}  // namespace rb::gui
