#include "platform/files.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {

namespace {

void SetReason(std::string* reason, int err)
{
    if (reason) *reason = std::strerror(err);
}

void SetReason(std::string* reason, const char* text)
{
    if (reason) *reason = text;
}

const char* NotRegularReason(mode_t mode)
{
    if (S_ISDIR(mode)) return Tr("Files", "It is a folder, not a file");
    if (S_ISFIFO(mode)) return Tr("Files", "It is a named pipe, not a regular file");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return Tr("Files", "It is a device, not a regular file");
    if (S_ISSOCK(mode)) return Tr("Files", "It is a socket, not a regular file");
    return Tr("Files", "It is not a regular file");
}

std::string SizeText(size_t bytes)
{
    if (bytes >= (size_t(1) << 20) && bytes % (size_t(1) << 20) == 0) return Format(Tr("Files", "%s MB"), std::to_string(bytes >> 20).c_str());
    return Format(Tr("Files", "%s bytes"), std::to_string(bytes).c_str());
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a write through this path lands in: links followed to their end,
// a dangling link giving the path it points at.
bool ResolveLinks(const std::string& path, std::string& out, int& err)
{
    std::string cur = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (lstat(cur.c_str(), &st) != 0) {
            if (errno != ENOENT) { err = errno; return false; }
            out = cur;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            out = cur;
            return true;
        }
        char buf[PATH_MAX];
        const ssize_t n = readlink(cur.c_str(), buf, sizeof buf - 1);
        if (n < 0) { err = errno; return false; }
        const std::string target(buf, size_t(n));
        if (!target.empty() && target[0] == '/') cur = target;
        else if (cur.find('/') == std::string::npos) cur = target;
        else cur = FolderOf(cur) + "/" + target;
    }
    err = ELOOP;
    return false;
}

bool WriteAll(int fd, std::string_view data, bool positioned, int& err)
{
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = positioned ? pwrite(fd, data.data() + done, data.size() - done, off_t(done))
                                     : write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            err = errno;
            return false;
        }
        done += size_t(n);
    }
    return true;
}

mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

enum class Replace { Done, Failed, InPlace };

// Temporary beside the file, renamed over it.
Replace WriteReplacing(const std::string& target, std::string_view data, const struct stat* old, int& err)
{
    const std::string folder = FolderOf(target);
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::string tmp = folder + "/." + NameOf(target) + ".XXXXXX";
        const int fd = mkostemp(tmp.data(), O_CLOEXEC);
        if (fd < 0) {
            err = errno;
            // A folder that refuses new files: the file itself may still be writable.
            const bool refused = err == EACCES || err == EPERM || err == EROFS;
            return old && refused ? Replace::InPlace : Replace::Failed;
        }
        auto drop = [&] {
            unlink(tmp.c_str());
            close(fd);
        };
        // Held until the rename, so that another save's clean-up leaves it alone.
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            drop(); // a clean-up got to it first
            continue;
        }
        if (!WriteAll(fd, data, false, err)) { drop(); return Replace::Failed; }
        if (old) {
            struct stat mine {};
            if (fstat(fd, &mine) != 0) { err = errno; drop(); return Replace::Failed; }
            if ((mine.st_uid != old->st_uid || mine.st_gid != old->st_gid)
                && fchown(fd, old->st_uid, old->st_gid) != 0) {
                // The new file would change hands: keep the old one instead.
                drop();
                return Replace::InPlace;
            }
        }
        // After chown, which clears the set-id bits.
        if (fchmod(fd, old ? (old->st_mode & 07777) : NewFileMode()) != 0) { err = errno; drop(); return Replace::Failed; }
        if (fsync(fd) != 0) { err = errno; drop(); return Replace::Failed; }
        if (rename(tmp.c_str(), target.c_str()) != 0) {
            err = errno;
            drop();
            if (err == ENOENT && attempt < 2) continue; // removed under us: once more
            return Replace::Failed;
        }
        close(fd);
        const int dfd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dfd >= 0) {
            const bool synced = fsync(dfd) == 0 || errno == EINVAL; // some file systems cannot
            err = errno;
            close(dfd);
            if (!synced) return Replace::Failed;
        }
        return Replace::Done;
    }
    err = EAGAIN;
    return Replace::Failed;
}

bool WriteInPlace(const std::string& target, std::string_view data, int& err, std::string* reason)
{
    const int fd = open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) { err = errno; return false; }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        SetReason(reason, NotRegularReason(st.st_mode));
        err = 0;
        return false;
    }
    // Reserve the room first: a full disk then fails before a byte changes.
    if (!data.empty()) {
        const int r = posix_fallocate(fd, 0, off_t(data.size()));
        if (r != 0 && r != EINVAL && r != EOPNOTSUPP && r != ENOSYS) {
            close(fd);
            err = r;
            return false;
        }
    }
    const bool ok = WriteAll(fd, data, true, err) && (ftruncate(fd, off_t(data.size())) == 0 || (err = errno, false))
        && (fsync(fd) == 0 || (err = errno, false));
    if (close(fd) != 0 && ok) {
        err = errno;
        return false;
    }
    return ok;
}

} // namespace

ReadStatus ReadRegularFile(const std::string& path, std::string& out, size_t cap, std::string* reason, bool* truncated)
{
    out.clear();
    if (truncated) *truncated = false;
    // Without blocking: opening a FIFO would otherwise wait for a writer.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        SetReason(reason, err);
        return err == ENOENT || err == ENOTDIR ? ReadStatus::Missing : ReadStatus::Failed;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0) {
        SetReason(reason, errno);
        close(fd);
        return ReadStatus::Failed;
    }
    if (!S_ISREG(st.st_mode)) {
        SetReason(reason, NotRegularReason(st.st_mode));
        close(fd);
        return ReadStatus::NotRegular;
    }
    auto tooLarge = [&] {
        out.clear();
        if (reason) *reason = Format(Tr("Files", "It is larger than %s, more than the program reads"), SizeText(cap).c_str());
        close(fd);
        return ReadStatus::TooLarge;
    };
    if (!truncated && st.st_size > 0 && uint64_t(st.st_size) > cap) return tooLarge();
    if (st.st_size > 0) out.reserve(std::min(size_t(st.st_size), cap) + 1);
    // Files of /proc and the like report size 0: read until the end or the cap.
    char buf[1 << 16];
    while (out.size() <= cap) {
        const size_t want = std::min(sizeof buf, cap + 1 - out.size());
        const ssize_t n = read(fd, buf, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            SetReason(reason, errno);
            out.clear();
            close(fd);
            return ReadStatus::Failed;
        }
        if (n == 0) break;
        out.append(buf, size_t(n));
    }
    if (out.size() > cap) {
        if (!truncated) return tooLarge();
        *truncated = true;
        out.resize(cap);
    }
    close(fd);
    return ReadStatus::Ok;
}

bool ReadWholeFile(const std::string& path, std::string& out, std::string* reason)
{
    return ReadRegularFile(path, out, kUserFileCap, reason) == ReadStatus::Ok;
}

bool IsRegularFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsOwnTemporaryName(std::string_view entry, std::string_view fileName)
{
    // "." + the very name + "." + six letters or digits, as mkostemp makes
    // them. Anything looser takes other programs' files, or a user's copy
    // such as ".mine.ini.backup", for ours.
    constexpr size_t kRandom = 6;
    if (fileName.empty() || entry.size() != 1 + fileName.size() + 1 + kRandom) return false;
    if (entry[0] != '.' || entry.substr(1, fileName.size()) != fileName || entry[1 + fileName.size()] != '.')
        return false;
    for (const char c : entry.substr(entry.size() - kRandom))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
    return true;
}

size_t RemoveStaleTemporaries(const std::string& folder, std::string_view fileName)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir) return 0;
    size_t removed = 0;
    while (dirent* e = readdir(dir)) {
        if (!IsOwnTemporaryName(e->d_name, fileName)) continue;
        const std::string path = folder + "/" + e->d_name;
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {}, now {};
        // A save in progress holds its lock; a left-over one has nobody.
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0
            && lstat(path.c_str(), &now) == 0 && now.st_ino == st.st_ino && now.st_dev == st.st_dev
            && unlink(path.c_str()) == 0)
            ++removed;
        close(fd);
    }
    closedir(dir);
    return removed;
}

bool WriteFileAtomic(const std::string& path, std::string_view data, std::string* reason)
{
    int err = 0;
    auto fail = [&](int e) {
        SetReason(reason, e);
        return false;
    };
    std::string target;
    if (!ResolveLinks(path, target, err)) return fail(err);

    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return fail(errno);
    if (exists) {
        if (S_ISDIR(old.st_mode)) return fail(EISDIR);
        if (!S_ISREG(old.st_mode)) {
            SetReason(reason, NotRegularReason(old.st_mode));
            return false;
        }
        // Replacing a file we may not write would bypass its protection.
        // A file without any write bit counts as read-only even for root.
        if (access(target.c_str(), W_OK) != 0) return fail(errno);
        if ((old.st_mode & 0222) == 0) return fail(EACCES);
    }
    const std::string folder = FolderOf(target);
    struct stat dir {};
    if (stat(folder.c_str(), &dir) != 0) return fail(errno);
    // A folder without write bits is read-only even for root: nothing new
    // is made in it.
    const bool folderWritable = (dir.st_mode & 0222) != 0 && access(folder.c_str(), W_OK) == 0;
    if (!exists && !folderWritable) return fail(access(folder.c_str(), W_OK) != 0 ? errno : EACCES);

    bool inPlace = exists && (old.st_nlink > 1 || !folderWritable);
    if (!inPlace) {
        RemoveStaleTemporaries(folder, NameOf(target));
        switch (WriteReplacing(target, data, exists ? &old : nullptr, err)) {
        case Replace::Done: return true;
        case Replace::Failed: return fail(err);
        case Replace::InPlace: inPlace = true; break;
        }
    }
    std::string own;
    if (WriteInPlace(target, data, err, &own)) return true;
    if (err == 0) {
        SetReason(reason, own.c_str());
        return false;
    }
    return fail(err);
}

} // namespace ov
