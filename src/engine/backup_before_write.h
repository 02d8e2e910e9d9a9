// "写前备份": while on, a click on a write button of a page that takes part in the file is
// held back. A twin of the container reads every page of the terminal (file_reader.h; the
// twin takes the frames meanwhile, the window's forms stay as the user left them) and the read
// goes into the read history. Then the click goes through and the write runs as always, with
// its confirmation. When the read fails or cannot be kept, a box says why and nothing is
// written. Clicks on the write buttons while the backup reads are ignored.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/container.h"
#include "engine/file_reader.h"
#include "engine/read_history.h"

namespace rb::engine {

inline constexpr const char* kBackupFailed = "写前备份失败, 未写入任何数据:\n";
inline constexpr const char* kBackupReading = "写前备份: 正在读取终端参数";

class BackupBeforeWrite {
public:
    // `type` names the history folder ("lm52r").
    BackupBeforeWrite(Container& container, std::string type);
    ~BackupBeforeWrite();
    BackupBeforeWrite(const BackupBeforeWrite&) = delete;
    BackupBeforeWrite& operator=(const BackupBeforeWrite&) = delete;

    void setEnabled(bool on);
    bool enabled() const { return enabled_; }
    bool busy() const { return reader_.busy(); }
    // The entry of the latest backup that was kept.
    const std::optional<HistoryEntry>& lastBackup() const { return lastBackup_; }

private:
    bool gate(std::size_t page, int id);
    void finished(bool ok, const std::string& reason);

    Container& container_;
    std::string type_;
    bool enabled_ = false;
    bool releasing_ = false;
    std::unique_ptr<Container> twin_;
    FileReader reader_;
    std::size_t heldPage_ = 0;
    int heldId_ = 0;
    std::optional<HistoryEntry> lastBackup_;
};

}  // namespace rb::engine
