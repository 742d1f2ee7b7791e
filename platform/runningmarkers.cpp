#include "platform/runningmarkers.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ov {

std::vector<std::string> RunningMarkers::MarkerPaths(const std::string& lowerName)
{
    std::vector<std::string> paths;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/') paths.push_back(std::string(runtime) + "/" + lowerName + ".lock");
    paths.push_back("/tmp/" + lowerName + ".lock");
    return paths;
}

static int OpenMarker(const std::string& path)
{
    // A shared lock needs only a read-only descriptor, so a marker another
    // user left (not writable by us) is still held. Never follow a link
    // another user planted, never truncate, never wait on a FIFO.
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = open(path.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
        fd = open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0644);
        if (fd < 0 && errno == EEXIST) fd = open(path.c_str(), kFlags); // another copy made it meanwhile
    }
    if (fd < 0) return -1;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

void RunningMarkers::Acquire(const std::string& lowerName)
{
    for (const std::string& path : MarkerPaths(lowerName)) {
        const int fd = OpenMarker(path);
        if (fd < 0) continue;
        if (flock(fd, LOCK_SH | LOCK_NB) != 0) {
            close(fd);
            continue;
        }
        fds_.push_back(fd);
        paths_.push_back(path);
    }
}

RunningMarkers::~RunningMarkers()
{
    for (int fd : fds_) close(fd);
}

bool RunningMarkers::AnotherCopyRuns(const std::string& lowerName)
{
    for (const std::string& path : MarkerPaths(lowerName)) {
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
        close(fd);
        if (held) return true;
    }
    return false;
}

} // namespace ov
