#include "library/phrasepool.h"
#include "testsupport.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace ov;
using Lines = std::vector<std::string>;

TEST(PhraseFile, LineBreaksNulAndFinalBreak)
{
    EXPECT_EQ(SplitPhraseText("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitPhraseText("a\nb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitPhraseText("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitPhraseText("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitPhraseText("a\n\rb"), (Lines{"a", "", "b"})); // LF then a lone CR
    EXPECT_EQ(SplitPhraseText("last without break"), (Lines{"last without break"}));
    EXPECT_EQ(SplitPhraseText(""), Lines{});
    EXPECT_EQ(SplitPhraseText("\r\n"), (Lines{""}));
    // Lines are kept as they are: blanks, spaces, tabs.
    EXPECT_EQ(SplitPhraseText("  x  \n\t\n"), (Lines{"  x  ", "\t"}));
    // A NUL ends the text, wherever it is.
    EXPECT_EQ(SplitPhraseText(std::string("one\ntw\0o\nthree", 15)), (Lines{"one", "tw"}));
    // A UTF-8 byte-order mark is not part of the first phrase.
    EXPECT_EQ(SplitPhraseText("\xEF\xBB\xBFHello\n"), (Lines{"Hello"}));
}

TEST(PhraseFile, BinaryInvalidUtf8AndHugeLinesAreKept)
{
    const std::string invalid = "caf\xE9 \xFF\xFE ok";
    EXPECT_EQ(SplitPhraseText(invalid + "\n"), (Lines{invalid}));
    std::string binary;
    for (int i = 1; i < 256; ++i) binary.push_back(char(i));
    const Lines parts = SplitPhraseText(binary);
    ASSERT_EQ(parts.size(), 3u); // split at LF (10) and CR (13)
    EXPECT_EQ(parts[0].size(), 9u);
    const std::string huge(1 << 20, 'x');
    const Lines big = SplitPhraseText(huge + "\r\nend");
    ASSERT_EQ(big.size(), 2u);
    EXPECT_EQ(big[0].size(), huge.size());
}

class PoolFiles : public ::testing::Test {
protected:
    ovtest::TempExeFolder exe;
};

TEST_F(PoolFiles, TickedListsInGivenOrderWithDuplicatesAndBlanks)
{
    exe.MakeCategory("Cat", {{"alpha", "a1\r\n\r\nsame\r\n"}, {"Zeta", "same\nz2"}, {"Unticked", "no"},
                             {"wide", std::string("\xFF\xFEI\0 \0\xAC\x20\r\0\n\0", 10)}});
    PhrasePool pool;
    pool.Add("stale");
    BuildPhrasePool("Cat", {"alpha", "Gone", "Zeta", "wide"}, pool);
    ASSERT_EQ(pool.Count(), 6u);
    const Lines expect{"a1", "", "same", "same", "z2", "I \xE2\x82\xAC"}; // UTF-16 flashes as its text
    for (size_t i = 0; i < expect.size(); ++i) EXPECT_EQ(pool[i], expect[i]) << i;
}

TEST_F(PoolFiles, UnreadableListIsLeftOutAndToldOnceUntilItChanges)
{
    exe.MakeCategory("Cat", {{"a", "one\ntwo"}, {"c", "three"}});
    // /proc/self/mem opens but cannot be read at offset 0, even as root.
    const std::string b = exe.Path("Affirmations/Cat/b.txt");
    ASSERT_EQ(symlink("/proc/self/mem", b.c_str()), 0);
    exe.MakeFolder("Affirmations/Cat/dir.txt");
    ASSERT_EQ(mkfifo(exe.Path("Affirmations/Cat/pipe.txt").c_str(), 0644), 0);
    const Lines ticked{"a", "b", "dir", "pipe", "c"};
    ReportMemory told;
    PhrasePool pool;
    const Lines first = BuildPhrasePool("Cat", ticked, pool, &told);
    ASSERT_EQ(first.size(), 2u); // the folder is no list and is passed over
    EXPECT_EQ(first[0].rfind("Cannot open file \"" + b + "\". ", 0), 0u) << first[0];
    EXPECT_NE(first[1].find("named pipe"), std::string::npos) << first[1];
    ASSERT_EQ(pool.Count(), 3u);
    EXPECT_EQ(pool[2], "three");

    // Every later rebuild keeps the rest flashing without telling again...
    EXPECT_TRUE(BuildPhrasePool("Cat", ticked, pool, &told).empty());
    EXPECT_EQ(pool.Count(), 3u);
    // ...until the file changes, or the category is chosen again.
    unlink(b.c_str());
    ASSERT_EQ(symlink("/proc/thread-self/mem", b.c_str()), 0);
    EXPECT_EQ(BuildPhrasePool("Cat", ticked, pool, &told).size(), 1u);
    told.ForgetAll();
    EXPECT_EQ(BuildPhrasePool("Cat", ticked, pool, &told).size(), 2u);
    // A list that reads again is forgotten: its next failure is news.
    unlink(b.c_str());
    exe.Write("Affirmations/Cat/b.txt", "back");
    EXPECT_EQ(BuildPhrasePool("Cat", ticked, pool, &told).size(), 0u);
    EXPECT_EQ(pool.Count(), 4u);
    unlink(b.c_str());
    ASSERT_EQ(symlink("/proc/self/mem", b.c_str()), 0);
    EXPECT_EQ(BuildPhrasePool("Cat", ticked, pool, &told).size(), 1u);
}

TEST_F(PoolFiles, ModeZeroListIsReportedWhenNotRoot)
{
    if (ovtest::RunningAsRoot()) GTEST_SKIP() << "root reads any file; covered by the unreadable-list test";
    exe.MakeCategory("Cat", {{"a", "one"}});
    chmod(exe.Path("Affirmations/Cat/a.txt").c_str(), 0);
    PhrasePool pool;
    EXPECT_EQ(BuildPhrasePool("Cat", {"a"}, pool).size(), 1u);
}
