#include "ini/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "ini/ini_file.h"

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

// A file marked read-only is not replaced, not even by root (who may write any file): the mark
// is the user's wish. Others follow the permissions the system applies to them.
bool readOnly(const std::string& path, const struct stat& st) {
    if (::geteuid() == 0) return (st.st_mode & 0222) == 0;
    return ::access(path.c_str(), W_OK) != 0;
}

std::string baseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Removes "NAME.tmp-PID-N" files beside the target that a killed process left behind (its PID
// is gone); a running process's temporary file stays.
void removeLeftovers(const std::string& target) {
    const std::string dir = directoryOf(target);
    const std::string prefix = baseName(target) + ".tmp-";
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name.rfind(prefix, 0) != 0) continue;
        const std::string rest = name.substr(prefix.size());
        const auto dash = rest.find('-');
        if (dash == 0 || dash == std::string::npos ||
            rest.find_first_not_of("0123456789-") != std::string::npos)
            continue;
        const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
        if (pid <= 0 || pid == long(::getpid())) continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;  // still running
        std::string leftover = dir;
        leftover += '/';
        leftover += name;
        ::unlink(leftover.c_str());
    }
    ::closedir(d);
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
    if (st.st_size > kMaxFileBytes) {
        error = "not a configuration file: " + std::to_string(st.st_size) + " bytes";
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
        if (static_cast<long long>(bytes.size()) > kMaxFileBytes) {  // a device or a growing file
            error =
                "not a configuration file: more than " + std::to_string(kMaxFileBytes) + " bytes";
            return ReadResult::kFailed;
        }
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
    if (exists && readOnly(target, old)) {
        error = "cannot write '" + target + "': the file is read-only";
        return false;
    }
    removeLeftovers(target);

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

std::optional<std::string> whyNotWritable(const std::string& path) {
    if (path.empty()) return "no file named";
    const std::string target = resolveLink(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return "is a directory";
        if (!S_ISREG(st.st_mode)) return "is not a regular file";
        if (readOnly(target, st)) return "the file is read-only";
    }
    const std::string dir = directoryOf(target);
    struct stat ds {};
    if (::stat(dir.c_str(), &ds) != 0 || !S_ISDIR(ds.st_mode))
        return "folder " + dir + " does not exist";
    // The file goes in through a temporary file beside it: the folder must take one (a
    // read-only folder, /proc or a full file system does not).
    std::string probe;
    const int fd = createTemporary(target, probe);
    if (fd < 0) return "folder " + dir + " cannot take the file: " + std::strerror(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return std::nullopt;
}

}  // namespace rb::ini::detail
