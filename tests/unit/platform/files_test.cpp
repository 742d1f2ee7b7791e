#include "../settings/settings_test_support.h"
#include "testsupport.h"
#include "platform/files.h"
#include "platform/utils.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ov;
using Names = std::vector<std::string>;

namespace {

ino_t Inode(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

bool IsLink(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

} // namespace

TEST(FileReading, OnlyRegularFilesAreReadWithoutBlockingAndUpToTheCap)
{
    ovtest::TempExeFolder exe;
    ASSERT_EQ(mkfifo(exe.Path("pipe.txt").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", exe.Path("zero.txt").c_str()), 0);
    exe.MakeFolder("folder.txt");
    std::string out, reason;
    // A FIFO would block the open, /dev/zero would never end.
    EXPECT_FALSE(ReadWholeFile(exe.Path("pipe.txt"), out, &reason));
    EXPECT_EQ(reason, "It is a named pipe, not a regular file");
    EXPECT_EQ(ReadRegularFile(exe.Path("zero.txt"), out, 100, &reason), ReadStatus::NotRegular);
    EXPECT_EQ(reason, "It is a device, not a regular file");
    EXPECT_EQ(ReadRegularFile(exe.Path("folder.txt"), out, 100), ReadStatus::NotRegular);
    EXPECT_EQ(ReadRegularFile(exe.Path("gone.txt"), out, 100), ReadStatus::Missing);
    // Opens, but reading fails, even as root.
    EXPECT_EQ(ReadRegularFile("/proc/self/mem", out, 100, &reason), ReadStatus::Failed);
    EXPECT_FALSE(reason.empty());

    exe.Write("big.txt", std::string(100, 'x'));
    EXPECT_EQ(ReadRegularFile(exe.Path("big.txt"), out, 100), ReadStatus::Ok);
    EXPECT_EQ(out.size(), 100u);
    EXPECT_EQ(ReadRegularFile(exe.Path("big.txt"), out, 99, &reason), ReadStatus::TooLarge);
    EXPECT_TRUE(out.empty());
    bool truncated = false;
    EXPECT_EQ(ReadRegularFile(exe.Path("big.txt"), out, 99, nullptr, &truncated), ReadStatus::Ok);
    EXPECT_TRUE(truncated);
    EXPECT_EQ(out.size(), 99u);
    // A file that reports no size is still held to the cap.
    EXPECT_EQ(ReadRegularFile("/proc/self/maps", out, 10), ReadStatus::TooLarge);

    // Special files are not listed as lists either, nor found as pictures.
    EXPECT_EQ(ListFiles(exe.Path("*.txt"), false), (Names{"big", "folder"}));
    EXPECT_EQ(FindFileNoCase(exe.Dir(), "PIPE.txt"), "");
    // Nor written: the FIFO stays what it is.
    EXPECT_FALSE(WriteFileAtomic(exe.Path("pipe.txt"), "x", &reason));
    struct stat st {};
    ASSERT_EQ(lstat(exe.Path("pipe.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(AtomicWrite, LinksAreWrittenThroughAndHardLinksKeptTogether)
{
    ovtest::TempExeFolder exe;
    exe.Write("real/Orvella.ini", "old");
    exe.MakeFolder("app");
    ASSERT_EQ(symlink("../real/Orvella.ini", exe.Path("app/Orvella.ini").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomic(exe.Path("app/Orvella.ini"), "new"));
    EXPECT_TRUE(IsLink(exe.Path("app/Orvella.ini")));
    EXPECT_EQ(exe.Read("real/Orvella.ini"), "new");
    EXPECT_EQ(ListFiles(exe.Path("real/*"), true), Names{"Orvella.ini"}); // no temporary left
    EXPECT_EQ(ListFiles(exe.Path("app/*"), true), Names{"Orvella.ini"});

    // A dangling link gets its target created.
    ASSERT_EQ(symlink("../real/new.txt", exe.Path("app/new.txt").c_str()), 0);
    ASSERT_TRUE(WriteFileAtomic(exe.Path("app/new.txt"), "made"));
    EXPECT_TRUE(IsLink(exe.Path("app/new.txt")));
    EXPECT_EQ(exe.Read("real/new.txt"), "made");

    exe.Write("a.txt", "shared");
    ASSERT_EQ(link(exe.Path("a.txt").c_str(), exe.Path("b.txt").c_str()), 0);
    const ino_t before = Inode(exe.Path("a.txt"));
    ASSERT_TRUE(WriteFileAtomic(exe.Path("a.txt"), "both see this, longer than before"));
    EXPECT_EQ(Inode(exe.Path("a.txt")), before);
    EXPECT_EQ(exe.Read("b.txt"), "both see this, longer than before");
    ASSERT_TRUE(WriteFileAtomic(exe.Path("b.txt"), "short"));
    EXPECT_EQ(exe.Read("a.txt"), "short"); // the tail of the longer text is gone
}

TEST(AtomicWrite, FolderWithoutWriteBitsIsWrittenInPlace)
{
    // By the mode bits, so root takes this path too.
    ovtest::TempExeFolder exe;
    chmod(exe.Dir().c_str(), 0755); // reachable by the unprivileged step below
    exe.Write("opt/Orvella.ini", "[General]\nGroupIndex=1\n");
    const std::string path = exe.Path("opt/Orvella.ini");
    const ino_t before = Inode(path);
    ASSERT_EQ(chmod(exe.Path("opt").c_str(), 0555), 0);
    ASSERT_TRUE(WriteFileAtomic(path, "[General]\nGroupIndex=2\n"));
    EXPECT_EQ(Inode(path), before);
    EXPECT_EQ(exe.Read("opt/Orvella.ini"), "[General]\nGroupIndex=2\n");
    EXPECT_EQ(ListFiles(exe.Path("opt/*"), true), Names{"Orvella.ini"});
    // Nothing new is made there.
    std::string reason;
    EXPECT_FALSE(WriteFileAtomic(exe.Path("opt/new.txt"), "x", &reason));
    EXPECT_EQ(reason, "Permission denied");
    EXPECT_FALSE(FileExists(exe.Path("opt/new.txt")));

    // Without root's bypass, a writable file in such a folder still saves.
    chmod(path.c_str(), 0666);
    const auto result = ovtest::RunUnprivileged([&]() -> std::string {
        std::string why;
        return WriteFileAtomic(path, "by another user", &why) ? "ok" : why;
    });
    if (result) {
        EXPECT_EQ(*result, "ok");
        EXPECT_EQ(exe.Read("opt/Orvella.ini"), "by another user");
    }
}

TEST(AtomicWrite, OwnerGroupAndModeSurvive)
{
    if (!ovtest::RunningAsRoot()) GTEST_SKIP() << "only root can give a file to another owner";
    ovtest::TempExeFolder exe;
    exe.Write("Orvella.ini", "old");
    const std::string path = exe.Path("Orvella.ini");
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    const ino_t before = Inode(path);
    ASSERT_TRUE(WriteFileAtomic(path, "new"));
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_NE(st.st_ino, before); // still replaced atomically
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(exe.Read("Orvella.ini"), "new");

    // A user who may write the file but cannot give a new one its owner
    // writes it in place, so it stays root's.
    chmod(exe.Dir().c_str(), 0777);
    ASSERT_EQ(chown(path.c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    const auto result = ovtest::RunUnprivileged([&]() -> std::string {
        std::string why;
        return WriteFileAtomic(path, "by nobody", &why) ? "ok" : why;
    });
    ASSERT_TRUE(result) << "cannot switch to the user nobody";
    EXPECT_EQ(*result, "ok");
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(exe.Read("Orvella.ini"), "by nobody");
}

TEST(AtomicWrite, LeftOverTemporariesOfOwnPatternGoOthersStay)
{
    ovtest::TempExeFolder exe;
    // Only the temporaries of the file being written: those of other files
    // (another list, another program's) may be in use or be someone's copy.
    const Names stale{".list.txt.Ab12Cd", ".list.txt.q1w2e3"};
    const Names kept{".list.txt.Ab12C", "list.txt.Ab12Cd", ".notes.md.Ab12Cd", ".list.txt.Ab-2Cd", ".txt.Ab12Cd",
                     ".other.txt.ZZ99zz", "..hidden.txt.q1w2e3", ".notes.txt.backup", ".list.txt.Ab12Cd.bak",
                     ".list.txt.locked", ".list.txt.linked"};
    for (const std::string& n : stale) exe.Write("cat/" + n, "torn");
    for (const std::string& n : kept) {
        if (n == ".list.txt.linked") ASSERT_EQ(symlink("list.txt", exe.Path("cat/" + n).c_str()), 0);
        else exe.Write("cat/" + n, "someone's");
    }
    exe.MakeFolder("cat/.list.txt.folder");
    // A save in progress elsewhere holds its temporary locked.
    const int held = open(exe.Path("cat/.list.txt.locked").c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    ASSERT_TRUE(WriteFileAtomic(exe.Path("cat/list.txt"), "phrases"));
    close(held);
    Names expect = kept;
    expect.push_back(".list.txt.folder");
    expect.push_back("list.txt");
    std::sort(expect.begin(), expect.end());
    Names left = ListFiles(exe.Path("cat/*"), true);
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, expect);

    EXPECT_TRUE(IsOwnTemporaryName(".Orvella.ini.x9Y8z7", "Orvella.ini"));
    EXPECT_FALSE(IsOwnTemporaryName(".Orvella.ini.x9Y8z7", "list.txt"));
    EXPECT_FALSE(IsOwnTemporaryName(".mine.ini.backup", "Orvella.ini"));
    EXPECT_FALSE(IsOwnTemporaryName(".orvella.ini.x9Y8z7", "Orvella.ini")); // names are case-sensitive
    EXPECT_FALSE(IsOwnTemporaryName(".bashrc.x9Y8z7", "orvella"));
    EXPECT_TRUE(IsOwnTemporaryName(".orvella.x9Y8z7", "orvella"));
}
