#include "ini/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rb::ini {

FileLock::FileLock(const std::string& path) {
    const std::string lockPath = lockPathOf(path);
    const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        error_ = lockPath + ": " + std::strerror(errno);
        return;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        error_ = lockPath + ": " + std::strerror(errno);
        ::close(fd);
        return;
    }
    fd_ = fd;
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the descriptor lets the lock go
}

}  // namespace rb::ini
