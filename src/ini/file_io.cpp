#include "ini/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace rb::ini::detail {

namespace {

std::string reason(const std::string& what, const std::string& path, int err) {
    return what + " '" + path + "': " + std::strerror(err);
}

// Closes a descriptor once, on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the result (a delayed write error can show up only here).
    int close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

std::string directoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A symbolic link is replaced through: the file it points at gets the new content.
std::string resolveLink(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) return path;  // dangling: replace link
    return resolved;
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Opens a new, unique file next to the target. Created with mode 0666 so the process umask
// applies as it would to any new file.
int createTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".tmp-" + std::to_string(::getpid()) + "-" +
                   std::to_string(counter.fetch_add(1));
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

void syncDirectory(const std::string& dir) {
    // Makes the rename itself durable. Best effort: some file systems refuse fsync on a
    // directory, and the new content is complete either way.
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

ReadResult readWholeFile(const std::string& path, std::string& out, std::string& error) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadResult::kMissing;
        error = reason("cannot open", path, errno);
        return ReadResult::kFailed;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        error = reason("cannot inspect", path, errno);
        return ReadResult::kFailed;
    }
    if (S_ISDIR(st.st_mode)) {
        error = reason("cannot read", path, EISDIR);
        return ReadResult::kFailed;
    }
    std::string bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            error = reason("cannot read", path, errno);
            return ReadResult::kFailed;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    out = std::move(bytes);
    return ReadResult::kRead;
}

bool replaceFileAtomically(const std::string& path, const std::string& bytes, std::string& error) {
    if (path.empty()) {
        error = "no file name given";
        return false;
    }
    const std::string target = resolveLink(path);

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        error = reason("cannot write", target, EISDIR);
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        error = "cannot write '" + target + "': not a regular file";
        return false;
    }

    std::string tempPath;
    FileDescriptor fd(createTemporary(target, tempPath));
    if (fd.get() < 0) {
        error = reason("cannot create a temporary file in", directoryOf(target), errno);
        return false;
    }
    auto fail = [&](const std::string& what, int err) {
        fd.close();
        ::unlink(tempPath.c_str());
        error = reason(what, tempPath, err);
        return false;
    };

    if (!writeAll(fd.get(), bytes)) return fail("cannot write", errno);
    // The replaced file keeps its permissions (a new temp file has the default ones).
    if (exists) ::fchmod(fd.get(), old.st_mode & 07777);
    if (::fsync(fd.get()) != 0) return fail("cannot flush", errno);
    if (fd.close() != 0) {
        const int err = errno;
        ::unlink(tempPath.c_str());
        error = reason("cannot close", tempPath, err);
        return false;
    }
    if (::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tempPath.c_str());
        error = reason("cannot replace", target, err);
        return false;
    }
    syncDirectory(directoryOf(target));
    return true;
}

}  // namespace rb::ini::detail
