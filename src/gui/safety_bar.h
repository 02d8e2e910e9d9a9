// SafetyBar: the safety net of one terminal type's window, beside "打开文件" / "存储文件":
//
//  - "全部读取": every page that takes part in the file reads in turn; a read that ended well
//    goes into the read history (read_history.h).
//  - "比较": the form against a history entry (the latest first) or a file: the fields that
//    differ, by page and field; a click shows that page and field.
//  - "历史记录": the kept reads; "恢复" loads one into the form (then the page's write button
//    writes it, with its confirmation).
//  - "写前备份" (the main window's menu): engine::BackupBeforeWrite on this container.
//  - Ctrl+Z / Ctrl+Y on a page: undo and redo of its controls (engine::EditHistory); they win
//    over a line edit's own undo, so the form and the page's history stay one.
#pragma once

#include <QWidget>
#include <string>

#include "engine/backup_before_write.h"
#include "engine/container.h"
#include "engine/file_reader.h"

class QPushButton;

namespace rb::gui {

class ContainerWidget;

namespace safety_ids {
inline constexpr int kReadAll = 2101;  // "全部读取"
inline constexpr int kCompare = 2102;  // "比较"
inline constexpr int kHistory = 2103;  // "历史记录"
}  // namespace safety_ids

class SafetyBar : public QWidget {
    Q_OBJECT
public:
    // `type` names the history folder ("lm52r").
    SafetyBar(ContainerWidget& view, std::string type, QWidget* parent = nullptr);
    ~SafetyBar() override;

    void setBackupBeforeWrite(bool on) { backup_.setEnabled(on); }
    engine::BackupBeforeWrite& backup() { return backup_; }
    const std::string& type() const { return type_; }

    void readAll();      // "全部读取"
    void openCompare();  // "比较"
    void openHistory();  // "历史记录"
    // Undo / redo on the page that shows (what Ctrl+Z / Ctrl+Y do on a page).
    bool undo(bool redo = false);
    // Shows page `page` and puts the focus on control `id` (a difference clicked).
    void showField(std::size_t page, int id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int pageOf(QObject* widget) const;

    ContainerWidget& view_;
    engine::Container& container_;
    std::string type_;
    engine::FileReader reader_;
    engine::BackupBeforeWrite backup_;
};

}  // namespace rb::gui
