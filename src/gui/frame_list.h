// The monitor window's frame list: every frame of the session (monitor::FrameLog) as a row with
// its time to the millisecond, direction, command and bytes, sent and received rows in two
// colours; a filter bar (direction, command, text), a search bar (Ctrl+F, Enter for the next
// match) and "导出" for the rows shown.
#pragma once

#include <QAbstractTableModel>
#include <QWidget>
#include <vector>

#include "monitor/monitor_dlg.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace rb::gui {

// The rows of the log that pass the filter, by absolute number (frames dropped from the front
// of a full log still count), so rows stay put when the oldest frames go.
class FrameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FrameListModel(const monitor::FrameLog& log, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation o, int role) const override;

    void setFilter(const monitor::FrameFilter& filter);
    // The newest frame of the log arrived; the oldest may have gone.
    void frameAdded();
    void cleared();
    // Positions in log.frames() of the rows shown, top to bottom.
    std::vector<std::size_t> shownPositions() const;

private:
    const monitor::LoggedFrame& frameAt(int row) const;
    void dropGone();

    const monitor::FrameLog& log_;
    monitor::FrameFilter filter_;
    std::vector<std::size_t> rows_;  // absolute numbers
};

class FrameList : public QWidget {
    Q_OBJECT
public:
    explicit FrameList(monitor::CMonitorDlg& monitor, QWidget* parent = nullptr);
    ~FrameList() override;

    FrameListModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    QLineEdit* codeFilter() const { return code_; }
    QLineEdit* textFilter() const { return text_; }
    QCheckBox* sentBox() const { return sent_; }
    QCheckBox* receivedBox() const { return received_; }
    QCheckBox* notesBox() const { return notes_; }
    QLineEdit* searchBox() const { return search_; }
    // Ctrl+F: shows the search bar and puts the cursor in it.
    void openSearch();
    // Enter in the search box: selects the next shown row holding the text; false when none.
    bool findNext();
    void exportShown();

private:
    void applyFilter();

    monitor::CMonitorDlg& monitor_;
    FrameListModel* model_;
    QTableView* table_;
    QCheckBox* sent_;
    QCheckBox* received_;
    QCheckBox* notes_;
    QLineEdit* code_;
    QLineEdit* text_;
    QLabel* filterNote_;
    QWidget* searchBar_;
    QLineEdit* search_;
    QLabel* searchNote_;
    bool follow_ = true;  // scrolled to the bottom: new rows keep it there
};

}  // namespace rb::gui
