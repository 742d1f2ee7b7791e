#include "platform/ovRunningMarkers.h"

#include <cstdlib>
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
    // Never follow a link another user planted, never truncate.
    return open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
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
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) continue;
        const bool held = flock(fd, LOCK_EX | LOCK_NB) != 0;
        close(fd);
        if (held) return true;
    }
    return false;
}

} // namespace ov
