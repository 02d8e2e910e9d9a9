// An advisory lock on a file shared by several programs on one machine: an exclusive flock on
// a sibling lock file ("<path>.lock"), so that the file itself can still be replaced
// atomically (a rename gives it a new inode, which a lock on the file would not follow). The
// lock is held from construction until destruction; a program that dies lets it go.
#pragma once

#include <string>

namespace rb::ini {

class FileLock {
public:
    // Waits until the lock on `path` is ours. locked() is false, with a reason, when the lock
    // file cannot be created or locked.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }
    const std::string& error() const { return error_; }
    static std::string lockPathOf(const std::string& path) { return path + ".lock"; }

private:
    int fd_ = -1;
    std::string error_;
};

}  // namespace rb::ini
