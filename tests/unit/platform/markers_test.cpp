#include "../settings/settings_test_support.h"
#include "testsupport.h"
#include "platform/runningmarkers.h"

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

using ov::RunningMarkers;

TEST(RunningMarkers, HeldForLifeSharedByCopiesSeenByInstaller)
{
    ovtest::TempExeFolder tmp;
    setenv("XDG_RUNTIME_DIR", tmp.Dir().c_str(), 1);
    const std::string name = "orvella-test-" + std::to_string(getpid());
    EXPECT_FALSE(RunningMarkers::AnotherCopyRuns(name));
    {
        RunningMarkers first;
        first.Acquire(name);
        ASSERT_EQ(first.Paths().size(), 2u);
        EXPECT_EQ(first.Paths()[0], tmp.Dir() + "/" + name + ".lock");
        RunningMarkers second; // a second copy takes them too
        second.Acquire(name);
        EXPECT_EQ(second.Paths().size(), 2u);
        EXPECT_TRUE(RunningMarkers::AnotherCopyRuns(name));
    }
    EXPECT_FALSE(RunningMarkers::AnotherCopyRuns(name));
    unlink(("/tmp/" + name + ".lock").c_str());
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(RunningMarkers, LinkIsNotFollowed)
{
    ovtest::TempExeFolder tmp;
    setenv("XDG_RUNTIME_DIR", tmp.Dir().c_str(), 1);
    const std::string name = "orvella-link-" + std::to_string(getpid());
    const std::string target = tmp.Path("victim");
    tmp.Write("victim", "keep");
    ASSERT_EQ(symlink(target.c_str(), (tmp.Dir() + "/" + name + ".lock").c_str()), 0);
    RunningMarkers markers;
    markers.Acquire(name);
    EXPECT_EQ(markers.Paths(), std::vector<std::string>{"/tmp/" + name + ".lock"});
    EXPECT_EQ(tmp.Read("victim"), "keep");
    unlink(("/tmp/" + name + ".lock").c_str());
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(RunningMarkers, MarkerWeCannotWriteIsHeldAndAFifoDoesNotHang)
{
    ovtest::TempExeFolder tmp;
    chmod(tmp.Dir().c_str(), 0755); // reachable by the unprivileged step below
    setenv("XDG_RUNTIME_DIR", tmp.Dir().c_str(), 1);
    const std::string name = "orvella-ro-" + std::to_string(getpid());
    const std::string marker = tmp.Dir() + "/" + name + ".lock";
    // Left by another user: readable, not writable by us (as root the step
    // runs as nobody, where root's own file is the other user's).
    tmp.Write(name + ".lock", "");
    chmod(marker.c_str(), 0444);
    const auto held = ovtest::RunUnprivileged([&]() -> std::string {
        RunningMarkers markers;
        markers.Acquire(name);
        const auto& p = markers.Paths();
        return std::find(p.begin(), p.end(), marker) != p.end() && RunningMarkers::AnotherCopyRuns(name) ? "held"
                                                                                                          : "not held";
    });
    ASSERT_TRUE(held) << "cannot switch to the user nobody";
    EXPECT_EQ(*held, "held");
    unlink(marker.c_str());
    unlink(("/tmp/" + name + ".lock").c_str());

    ASSERT_EQ(mkfifo(marker.c_str(), 0666), 0);
    RunningMarkers markers;
    markers.Acquire(name); // must not wait for a writer
    EXPECT_EQ(markers.Paths(), std::vector<std::string>{"/tmp/" + name + ".lock"});
    EXPECT_TRUE(RunningMarkers::AnotherCopyRuns(name)); // looks past the FIFO without waiting
    unlink(("/tmp/" + name + ".lock").c_str());
    unsetenv("XDG_RUNTIME_DIR");
}
