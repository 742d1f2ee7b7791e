#include "library/ovCategoryStore.h"
#include "library/ovPhrasePool.h"
#include "ovTestSupport.h"
#include "platform/ovError.h"
#include "settings/ovIniFile.h"

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

TEST(TickState, NumbersAndTrueFalse)
{
    EXPECT_TRUE(ParseTickState("True"));
    EXPECT_TRUE(ParseTickState("tRUE"));
    EXPECT_FALSE(ParseTickState("FALSE"));
    EXPECT_TRUE(ParseTickState("2"));
    EXPECT_TRUE(ParseTickState("-1"));
    EXPECT_FALSE(ParseTickState("0"));
    try {
        ParseTickState("maybe");
        FAIL() << "a bad state must throw";
    } catch (const OvError& e) {
        EXPECT_STREQ(e.what(), "'maybe' is not a valid boolean value");
    }
}

TEST(TickRecord, AppliedByNameInFileOrderAndStopsAtBadState)
{
    const Lines names{"a.b", "Calm", "Health", "Sleep"};
    std::vector<int> ticks(names.size(), -1);
    auto set = [&](size_t i, bool t) { ticks[i] = t ? 1 : 0; };
    ApplyTickRecord({{"0", "calm:True"}, {"1", "HEALTH:False"}, {"2", "a.b:1"}, {"3", "Gone:True"},
                     {"4", "no colon"}, {"5", "Calm:False"}},
                    names, set);
    // Stored names match whole (a.b is not looked up as a); later lines win.
    EXPECT_EQ(ticks, (std::vector<int>{1, 0, 0, -1}));

    std::fill(ticks.begin(), ticks.end(), -1);
    EXPECT_THROW(ApplyTickRecord({{"0", "Calm:True"}, {"1", "Health:maybe"}, {"2", "Sleep:True"}}, names, set),
                 OvError);
    EXPECT_EQ(ticks, (std::vector<int>{-1, 1, -1, -1})); // ticks set until then stay
}

TEST(TickRecord, WriteSetsKeysAndDropsLeftovers)
{
    IniDoc doc("[Calm-Affirmations]\n0=Old:True\n1=Older:False\n2=Oldest:True\nx=keep\n[Other]\n5=stay\n");
    WriteTickRecord(doc, "Calm", {"Alpha", "Beta"}, {true, false});
    const auto section = doc.ReadSection("Calm-Affirmations");
    EXPECT_EQ(section, (std::vector<std::pair<std::string, std::string>>{
                           {"0", "Alpha:True"}, {"1", "Beta:False"}, {"x", "keep"}}));
    EXPECT_EQ(doc.ReadString("Other", "5", ""), "stay");
}

class PoolFiles : public ::testing::Test {
protected:
    ovtest::TempExeFolder exe;
};

TEST_F(PoolFiles, TickedListsInGivenOrderWithDuplicatesAndBlanks)
{
    exe.MakeCategory("Cat", {{"alpha", "a1\r\n\r\nsame\r\n"}, {"Zeta", "same\nz2"}, {"Unticked", "no"}});
    PhrasePool pool;
    pool.Add("stale");
    BuildPhrasePool("Cat", {"alpha", "Gone", "Zeta"}, pool);
    ASSERT_EQ(pool.Count(), 5u);
    const Lines expect{"a1", "", "same", "same", "z2"};
    for (size_t i = 0; i < expect.size(); ++i) EXPECT_EQ(pool[i], expect[i]) << i;
}

TEST_F(PoolFiles, UnreadableListStopsWithErrorAndKeepsWhatWasGathered)
{
    exe.MakeCategory("Cat", {{"a", "one\ntwo"}, {"c", "never"}});
    // /proc/self/mem opens but cannot be read at offset 0, even as root.
    ASSERT_EQ(symlink("/proc/self/mem", exe.Path("Affirmations/Cat/b.txt").c_str()), 0);
    PhrasePool pool;
    try {
        BuildPhrasePool("Cat", {"a", "b", "c"}, pool);
        FAIL() << "an unreadable list must be reported";
    } catch (const OvError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.rfind("Cannot open file \"" + exe.Path("Affirmations/Cat/b.txt") + "\". ", 0), 0u) << text;
    }
    ASSERT_EQ(pool.Count(), 2u);
    EXPECT_EQ(pool[1], "two");
}

TEST_F(PoolFiles, ModeZeroListIsReportedWhenNotRoot)
{
    if (ovtest::RunningAsRoot()) GTEST_SKIP() << "root reads any file; covered by the unreadable-list test";
    exe.MakeCategory("Cat", {{"a", "one"}});
    chmod(exe.Path("Affirmations/Cat/a.txt").c_str(), 0);
    PhrasePool pool;
    EXPECT_THROW(BuildPhrasePool("Cat", {"a"}, pool), OvError);
}
