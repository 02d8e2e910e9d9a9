// The records window of "单元记录": the history of one unit (a machine code, or "unknown"),
// newest first, read-only, with the tabs "良率" (yield per day) and "控制图" (one measurement
// across units). It reads the bench's database afresh each time it is filled and never writes
// to it.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QTabWidget;
class QTableWidget;

namespace rb::gui {

class ControlChartTab;
class YieldChartTab;

class UnitRecordsDialog : public QDialog {
    Q_OBJECT
public:
    explicit UnitRecordsDialog(QWidget* parent = nullptr);

    // Shows the records of `machineCode` from the database at `path`.
    void fill(const std::string& path, const std::string& machineCode);
    QTableWidget* table() const { return table_; }
    QLabel* note() const { return note_; }
    QTabWidget* tabs() const { return tabs_; }
    YieldChartTab* yieldTab() const { return yield_; }
    ControlChartTab* controlTab() const { return control_; }

private:
    void showMeasurement(const QString& name);

    std::string path_;
    QTabWidget* tabs_;
    QLabel* note_;
    QTableWidget* table_;
    YieldChartTab* yield_;
    ControlChartTab* control_;
};

}  // namespace rb::gui
