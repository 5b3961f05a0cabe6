#include "editing/LocalFileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vantric {

using platform::FileReadResult;
using platform::FileWriteResult;

namespace {

std::string SystemReason(int error) { return std::strerror(error); }

// Closes the descriptor when it goes out of scope unless released.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return fd_; }
    // Closes now; false with errno set when closing reported an error (a delayed write failure).
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The file a path finally names: symbolic links followed, the last one resolved relative to its
// own folder. A dangling link names the file it would create.
std::string FollowLinks(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        std::vector<char> buffer(PATH_MAX + 1);
        const ssize_t length = ::readlink(target.c_str(), buffer.data(), PATH_MAX);
        if (length < 0) return target;
        std::string link(buffer.data(), static_cast<std::size_t>(length));
        if (link.front() != '/') {
            const std::size_t slash = target.rfind('/');
            if (slash != std::string::npos) link = target.substr(0, slash + 1) + link;
        }
        target = link;
    }
    return target;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

std::string NotPlainFileReason(mode_t mode) {
    if (S_ISDIR(mode)) return SystemReason(EISDIR);
    if (S_ISFIFO(mode)) return "Is a named pipe, not a plain file";
    if (S_ISSOCK(mode)) return "Is a socket, not a plain file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "Is a device, not a plain file";
    return "Not a plain file";
}

// Creates the temporary file that will replace `name` in `folder`: ".NAME.XXXXXX", or, when that is
// too long for the file system, a shortened form no longer than the name itself, so that any name
// that fits can be saved.
int CreateTemporaryBeside(const std::string& folder, const std::string& name, std::string& temporary) {
    temporary = folder + "." + name + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0 && errno == ENAMETOOLONG) {
        const std::size_t kept = name.size() > 8 ? name.size() - 8 : 0;
        temporary = folder + "." + name.substr(0, kept) + ".XXXXXX";
        fd = ::mkstemp(temporary.data());
    }
    return fd;
}

// Gives the new file the replaced file's owner and group where the saver may: root can keep both,
// others at most a group they belong to. Where neither is allowed the file stays the saver's.
void KeepOwner(int fd, const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) == 0) return;
    if (::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0) return;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

platform::FileReadResult LocalFileStore::Read(const std::string& path) {
    FileReadResult result;
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        result.Missing = errno == ENOENT;
        result.Reason = SystemReason(errno);
        return result;
    }
    // A plain file is read into room of its own size, not grown by doubling.
    struct stat info {};
    if (::fstat(file.Get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxReadFileBytes)
        result.Bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file.Get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.Reason = SystemReason(errno);
            result.Bytes.clear();
            return result;
        }
        if (got == 0) break;
        result.Bytes.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<long long>(result.Bytes.size()) > kMaxReadFileBytes) {
            result.Reason = "larger than " + std::to_string(kMaxReadFileBytes / (1024 * 1024)) + " MB";
            result.Bytes.clear();
            return result;
        }
    }
    result.Ok = true;
    return result;
}

platform::FileWriteResult LocalFileStore::Replace(const std::string& path, const std::string& bytes) {
    FileWriteResult result;
    const std::string target = FollowLinks(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // Only a name that does not exist yet may be created; a link loop or an unreachable folder is
    // reported, not replaced.
    if (!exists && errno != ENOENT) {
        result.Reason = SystemReason(errno);
        return result;
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        result.Reason = NotPlainFileReason(existing.st_mode);
        return result;
    }
    // Renaming over a file needs only the folder's permission; the file's own must be asked too.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        result.Reason = SystemReason(errno);
        return result;
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary;
    Descriptor file(CreateTemporaryBeside(folder, name, temporary));
    if (file.Get() < 0) {
        result.FolderNotWritable = errno == EACCES || errno == EPERM || errno == EROFS;
        result.Reason = SystemReason(errno);
        return result;
    }

    if (exists) KeepOwner(file.Get(), existing);
    const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
    const bool written = WriteAll(file.Get(), bytes) && ::fchmod(file.Get(), mode) == 0 && ::fsync(file.Get()) == 0 &&
                         file.Close() && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) {
        result.Reason = SystemReason(errno);
        ::unlink(temporary.c_str());
        return result;
    }
    result.Ok = true;
    return result;
}

}  // namespace vantric
