#include "engine/backup_before_write.h"

#include <algorithm>

namespace rb::engine {

BackupBeforeWrite::BackupBeforeWrite(Container& container, std::string type)
    : container_(container), type_(std::move(type)), reader_(container.session()) {
    for (std::size_t i = 0; i < container_.pageCount(); ++i) {
        if (!container_.page(i).takesPartInFile()) continue;
        container_.page(i).form().setClickGate([this, i](int id) { return gate(i, id); });
    }
}

BackupBeforeWrite::~BackupBeforeWrite() {
    reader_.cancel();
    if (twin_ && container_.session().theComm.receiver() == twin_.get())
        container_.session().theComm.SetWnd(&container_);
    for (std::size_t i = 0; i < container_.pageCount(); ++i)
        container_.page(i).form().setClickGate(nullptr);
}

void BackupBeforeWrite::setEnabled(bool on) { enabled_ = on; }

bool BackupBeforeWrite::gate(std::size_t page, int id) {
    if (releasing_) return true;
    const std::vector<int> buttons = container_.page(page).writeButtons();
    const bool write = std::find(buttons.begin(), buttons.end(), id) != buttons.end();
    if (!write) return true;
    if (reader_.busy()) return false;  // the backup of an earlier click is still reading
    if (!enabled_) return true;
    Session& session = container_.session();
    twin_ = container_.makeTwin(session);
    if (!twin_) return true;  // a container without a file type of its own: nothing to keep
    heldPage_ = page;
    heldId_ = id;
    session.theComm.SetWnd(twin_.get());
    session.statusBar.SetText(2, kBackupReading);
    if (!reader_.start(*twin_, [this](bool ok, const std::string& why) { finished(ok, why); })) {
        session.theComm.SetWnd(&container_);
        return true;
    }
    return false;
}

void BackupBeforeWrite::finished(bool ok, const std::string& reason) {
    Session& session = container_.session();
    session.theComm.SetWnd(&container_);
    std::string error = reason;
    if (ok) {
        lastBackup_ = recordRead(*twin_, type_, &error);
        ok = lastBackup_.has_value();
        if (!ok) error = kHistoryFailed + error;
    }
    if (!ok) {
        session.prompter.info(kBackupFailed + error, kInfoCaption);
        return;
    }
    session.statusBar.SetText(2, "写前备份完成: " + lastBackup_->path);
    releasing_ = true;
    container_.page(heldPage_).form().click(heldId_);
    releasing_ = false;
}

}  // namespace rb::engine
