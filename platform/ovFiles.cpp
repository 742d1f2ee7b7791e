#include "platform/ovFiles.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {

static void SetReason(std::string* reason, int err)
{
    if (reason) *reason = std::strerror(err);
}

bool ReadWholeFile(const std::string& path, std::string& out, std::string* reason)
{
    out.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) { SetReason(reason, errno); return false; }
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        close(fd);
        SetReason(reason, EISDIR);
        return false;
    }
    if (st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buf[1 << 16];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            close(fd);
            SetReason(reason, err);
            return false;
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return true;
}

bool WriteFileAtomic(const std::string& path, std::string_view data, std::string* reason)
{
    struct stat old {};
    const bool exists = stat(path.c_str(), &old) == 0;
    if (exists) {
        if (S_ISDIR(old.st_mode)) { SetReason(reason, EISDIR); return false; }
        // Renaming over a file we may not write would bypass its protection.
        // A file without any write bit counts as read-only even for root.
        if (access(path.c_str(), W_OK) != 0) { SetReason(reason, errno); return false; }
        if ((old.st_mode & 0222) == 0) { SetReason(reason, EACCES); return false; }
    }
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string tmp = folder + "/." + base + ".XXXXXX";
    const int fd = mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) { SetReason(reason, errno); return false; }

    auto fail = [&](int err) {
        close(fd);
        unlink(tmp.c_str());
        SetReason(reason, err);
        return false;
    };
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<size_t>(n);
    }
    mode_t mode;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    if (fchmod(fd, mode) != 0) return fail(errno);
    if (fsync(fd) != 0) return fail(errno);
    if (close(fd) != 0) {
        const int err = errno;
        unlink(tmp.c_str());
        SetReason(reason, err);
        return false;
    }
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        unlink(tmp.c_str());
        SetReason(reason, err);
        return false;
    }
    return true;
}

} // namespace ov
