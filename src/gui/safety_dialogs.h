// The windows behind "比较" and "历史记录" (safety_bar.h). Both are modeless: the main window
// goes on working while they show.
//
// CompareDialog: the source (a history entry of this type, the latest first, or "其他文件..."),
// a summary line and one row per field that differs, `页: 字段: "source" → "form"`. A click on a
// row shows that page and field in the window.
//
// HistoryDialog: the kept reads, the latest first; "恢复" loads the chosen one into the form as
// "打开文件" does, "比较" compares the form with it.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "engine/config_compare.h"
#include "engine/read_history.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace rb::gui {

class SafetyBar;

namespace safety_ids {
inline constexpr const char* kOtherFile = "其他文件...";
inline constexpr const char* kNoDifference = "没有不同";
inline constexpr const char* kRestore = "恢复";
}  // namespace safety_ids

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    CompareDialog(SafetyBar& bar, engine::Container& container, const std::string& type,
                  QWidget* parent = nullptr);

    // Compares the form with this file; false with the reason shown when it is no file of the
    // type.
    bool compareWith(const std::string& path);
    const std::vector<engine::ConfigDifference>& differences() const { return differences_; }
    QListWidget* list() const { return list_; }
    QLabel* summary() const { return summary_; }

private:
    void sourceChosen(int index);

    SafetyBar& bar_;
    engine::Container& container_;
    std::vector<engine::HistoryEntry> entries_;  // the latest first, as the source list shows
    QComboBox* source_;
    QLabel* summary_;
    QListWidget* list_;
    std::vector<engine::ConfigDifference> differences_;
};

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    HistoryDialog(SafetyBar& bar, engine::Container& container, const std::string& type,
                  QWidget* parent = nullptr);

    QListWidget* list() const { return list_; }
    // "恢复" on row `row`: true when the entry reached the form.
    bool restore(int row);

private:
    SafetyBar& bar_;
    engine::Container& container_;
    std::string type_;
    std::vector<engine::HistoryEntry> entries_;  // the latest first
    QListWidget* list_;
};

}  // namespace rb::gui
