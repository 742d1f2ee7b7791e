#include "testsupport.h"
#include "platform/files.h"
#include "platform/utils.h"

#include <sys/stat.h>

using namespace ov;

TEST(SplitAtDelimiter, FoundNotFoundAndCaseRules)
{
    std::string head, tail;
    EXPECT_TRUE(SplitAtDelimiter("one\r\ntwo\r\n", "\r\n", false, head, tail));
    EXPECT_EQ(head, "one");
    EXPECT_EQ(tail, "two\r\n");

    EXPECT_FALSE(SplitAtDelimiter("no break", "\r\n", false, head, tail));
    EXPECT_EQ(head, "");
    EXPECT_EQ(tail, "no break");

    // Only a to z fold: "X" finds "x", but accented letters do not fold.
    EXPECT_TRUE(SplitAtDelimiter("abXcd", "x", false, head, tail));
    EXPECT_EQ(head, "ab");
    EXPECT_EQ(tail, "cd");
    EXPECT_FALSE(SplitAtDelimiter("ab\xC3\xA9" "cd", "\xC3\x89", false, head, tail));
    EXPECT_FALSE(SplitAtDelimiter("abXcd", "x", true, head, tail));

    // The first occurrence wins; an empty tail is fine.
    EXPECT_TRUE(SplitAtDelimiter("a:b:c", ":", true, head, tail));
    EXPECT_EQ(head, "a");
    EXPECT_EQ(tail, "b:c");
    EXPECT_TRUE(SplitAtDelimiter("line\r\n", "\r\n", false, head, tail));
    EXPECT_EQ(head, "line");
    EXPECT_EQ(tail, "");
}

TEST(SplitAtDelimiter, SourceMayBeAnOutput)
{
    std::string text = "head=tail", head;
    EXPECT_TRUE(SplitAtDelimiter(text, "=", true, head, text));
    EXPECT_EQ(head, "head");
    EXPECT_EQ(text, "tail");
    std::string text2 = "left|right", tail;
    EXPECT_TRUE(SplitAtDelimiter(text2, "|", true, text2, tail));
    EXPECT_EQ(text2, "left");
    EXPECT_EQ(tail, "right");
}

TEST(FolderListing, FilesAndSubfolders)
{
    ovtest::TempExeFolder exe;
    exe.Write("lib/Zeta.txt", "z");
    exe.Write("lib/alpha.txt", "a");
    exe.Write("lib/.hidden.txt", "h");
    exe.Write("lib/a.b.txt", "ab");
    exe.Write("lib/notes.md", "n");
    exe.MakeFolder("lib/folder.txt");
    exe.MakeFolder("lib/Sub");
    exe.MakeFolder("lib/.secret");

    // Hidden entries and folders match the pattern too; names lose their
    // last extension only.
    EXPECT_EQ(ListFiles(exe.Path("lib/*.txt"), false),
              (std::vector<std::string>{".hidden", "a.b", "alpha", "folder", "Zeta"}));
    EXPECT_EQ(ListFiles(exe.Path("lib/*.txt"), true),
              (std::vector<std::string>{".hidden.txt", "a.b.txt", "alpha.txt", "folder.txt", "Zeta.txt"}));
    // Plain files and hidden folders are not sub-folders; "/*.*" may be given.
    EXPECT_EQ(ListSubfolders(exe.Path("lib")), (std::vector<std::string>{"folder.txt", "Sub"}));
    EXPECT_EQ(ListSubfolders(exe.Path("lib/*.*")), (std::vector<std::string>{"folder.txt", "Sub"}));
    EXPECT_TRUE(ListSubfolders(exe.Path("missing")).empty());
    EXPECT_TRUE(ListFiles(exe.Path("missing/*.txt"), false).empty());
}

TEST(ExecutableFolder, InjectedPathGivesFolderWithSeparator)
{
    ovtest::TempExeFolder exe;
    EXPECT_EQ(ExeFolder(), exe.Dir() + "/");
    EXPECT_EQ(ExeBaseName(), "Orvella");
    SetExePath("/opt/tools/App.bin");
    EXPECT_EQ(ExeFolder(), "/opt/tools/");
    EXPECT_EQ(ExeBaseName(), "App");
}

TEST(AtomicWrite, ReplacesWholeAndKeepsPermissions)
{
    ovtest::TempExeFolder exe;
    const std::string path = exe.Path("list.txt");
    ASSERT_TRUE(WriteFileAtomic(path, "first"));
    chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomic(path, "second version"));
    EXPECT_EQ(exe.Read("list.txt"), "second version");
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    // No temporary file is left behind.
    EXPECT_EQ(ListFiles(exe.Path("*"), true), (std::vector<std::string>{"list.txt"}));
}

TEST(AtomicWrite, ReadOnlyFileAndMissingFolderFailAndKeepOldText)
{
    ovtest::TempExeFolder exe;
    const std::string path = exe.Path("locked.txt");
    exe.Write("locked.txt", "keep me");
    chmod(path.c_str(), 0444);
    std::string reason;
    EXPECT_FALSE(WriteFileAtomic(path, "lost", &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(exe.Read("locked.txt"), "keep me");

    EXPECT_FALSE(WriteFileAtomic(exe.Path("gone/list.txt"), "x", &reason));
    EXPECT_FALSE(reason.empty());
}
