#include "ovTestSupport.h"
#include "platform/ovRunningMarkers.h"

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
