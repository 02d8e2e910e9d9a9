// The records window of "单元记录": the history of one unit (a machine code, or "unknown"),
// newest first, read-only. It reads the bench's database afresh each time it is filled and
// never writes to it.
#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QTableWidget;

namespace rb::gui {

class UnitRecordsDialog : public QDialog {
    Q_OBJECT
public:
    explicit UnitRecordsDialog(QWidget* parent = nullptr);

    // Shows the records of `machineCode` from the database at `path`.
    void fill(const std::string& path, const std::string& machineCode);
    QTableWidget* table() const { return table_; }
    QLabel* note() const { return note_; }

private:
    QLabel* note_;
    QTableWidget* table_;
};

}  // namespace rb::gui
