#pragma once
#include <string>
#include <vector>

namespace ov {

// Two lock files named after the executable mark a running copy: one per
// login session (in $XDG_RUNTIME_DIR) and one machine-wide (in /tmp). Each
// copy holds a shared lock for its whole life, so several copies run side
// by side while an installer can still tell that one runs.
class RunningMarkers {
public:
    RunningMarkers() = default;
    ~RunningMarkers();
    RunningMarkers(const RunningMarkers&) = delete;
    RunningMarkers& operator=(const RunningMarkers&) = delete;

    // Takes both markers; failures are ignored, as a marker is only a hint.
    void Acquire(const std::string& lowerName);
    const std::vector<std::string>& Paths() const { return paths_; }

    static std::vector<std::string> MarkerPaths(const std::string& lowerName);
    // True when some process holds a marker: the exclusive try fails.
    static bool AnotherCopyRuns(const std::string& lowerName);

private:
    std::vector<int> fds_;
    std::vector<std::string> paths_;
};

} // namespace ov
