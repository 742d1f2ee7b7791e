#include "display/wrap.h"

#include <gtest/gtest.h>

using ov::NextPhrase;
using ov::TrimPhrase;
using ov::WrapToColumns;

namespace {

ov::PhrasePool MakePool(const std::vector<std::string>& phrases)
{
    ov::PhrasePool pool;
    for (const auto& p : phrases)
        pool.Add(p);
    return pool;
}

std::string Repeat(const std::string& word, int count, const std::string& sep)
{
    std::string s;
    for (int i = 0; i < count; ++i)
        s += (i ? sep : "") + word;
    return s;
}

} // namespace

TEST(WrapToColumns, FiftyWordsOnAScreenOf120Columns)
{
    const std::string text = Repeat("word", 50, " ") + "\r\n";
    ASSERT_EQ(text.size(), 251u);
    const std::string line24 = Repeat("word ", 24, "");
    EXPECT_EQ(WrapToColumns(text, 120), line24 + "\r\n" + line24 + "\r\n" + "word word\r\n");
}

TEST(WrapToColumns, BreaksAfterTheLastBreakCharacterOfALine)
{
    // The hyphen stays on the first line.
    EXPECT_EQ(WrapToColumns("aaaa well-known\r\n", 10), "aaaa well-\r\nknown\r\n");
    EXPECT_EQ(WrapToColumns("aa\tbb cc\r\n", 4), "aa\t\r\nbb \r\ncc\r\n");
    // A break character at the start of a line is no break opportunity.
    EXPECT_EQ(WrapToColumns("aaaa  bbbb cc\r\n", 5), "aaaa \r\n bbbb \r\ncc\r\n");
    // Short text and a line that just fits are left alone.
    EXPECT_EQ(WrapToColumns("a b\r\n", 120), "a b\r\n");
    EXPECT_EQ(WrapToColumns("", 10), "");
}

TEST(WrapToColumns, NeverSplitsAWord)
{
    EXPECT_EQ(WrapToColumns("abcdefghij klm\r\n", 5), "abcdefghij \r\nklm\r\n");
    EXPECT_EQ(WrapToColumns("abcdefghijklm\r\n", 5), "abcdefghijklm\r\n");
    // A line holds up to maxColumns columns.
    EXPECT_EQ(WrapToColumns("aaa b\r\n", 5), "aaa b\r\n");
    EXPECT_EQ(WrapToColumns("aaa bb\r\n", 5), "aaa \r\nbb\r\n");
    // A column count of 0 (a screen narrower than "M") breaks at every word.
    EXPECT_EQ(WrapToColumns("ab cd\r\n", 0), "ab \r\ncd\r\n");
}

TEST(WrapToColumns, QuotesSuppressBreaks)
{
    // A single apostrophe keeps the rest of the phrase on its line.
    const std::string apostrophe = "don't stop me now, it is not over yet\r\n";
    EXPECT_EQ(WrapToColumns(apostrophe, 5), apostrophe);
    // A closed quote allows breaks again after it.
    EXPECT_EQ(WrapToColumns("\"aa bb\" cc dd\r\n", 4), "\"aa bb\" \r\ncc \r\ndd\r\n");
}

TEST(WrapToColumns, ExistingLineBreakEndsALineOnce)
{
    EXPECT_EQ(WrapToColumns("ab\r\ncd\r\n", 120), "ab\r\ncd\r\n");
    EXPECT_EQ(WrapToColumns("aaaa bbbb\r\ncc dd\r\n", 6), "aaaa \r\nbbbb\r\ncc dd\r\n");
    // A lone CR or LF is an ordinary character.
    EXPECT_EQ(WrapToColumns("a\nb\rc\r\n", 120), "a\nb\rc\r\n");
}

TEST(WrapToColumns, EveryScriptCountsColumnsAsTheEyeSeesThem)
{
    // One column per letter with its marks or emoji sequence, two per East
    // Asian wide character; where a language writes without spaces, lines
    // break where Unicode allows, never inside a flag or a family emoji.
    struct Case {
        const char* script;
        const char* text;
        int columns;
        const char* wrapped;
    };
    const Case cases[] = {
        {"Chinese", "我爱你中国，我爱你\r\n", 7, "我爱你\r\n中国，\r\n我爱你\r\n"},
        {"Japanese", "日本語のテキストです。\r\n", 8, "日本語\r\nのテキ\r\nストで\r\nす。\r\n"},
        {"Korean", "한국어 문장\r\n", 6, "한국\r\n어 문장\r\n"},
        {"Thai", "ฉันรักคุณมากที่สุดในโลก\r\n", 10, "ฉันรักคุณมาก\r\nที่สุดในโลก\r\n"},
        {"Russian", "Привет мир, как дела\r\n", 8, "Привет \r\nмир, \r\nкак дела\r\n"},
        {"Greek", "Καλημέρα κόσμε\r\n", 9, "Καλημέρα \r\nκόσμε\r\n"},
        {"combining Latin", "Cafe\xCC\x81 ole\xCC\x81 x\r\n", 6, "Cafe\xCC\x81 \r\nole\xCC\x81 x\r\n"},
        {"Hebrew", "שלום עולם טוב\r\n", 6, "שלום \r\nעולם \r\nטוב\r\n"},
        {"Arabic", "مرحبا بالعالم\r\n", 7, "مرحبا \r\nبالعالم\r\n"},
        {"Hindi", "नमस्ते दुनिया\r\n", 5, "नमस्ते \r\nदुनिया\r\n"},
        {"flags", "🇩🇪🇫🇷🇮🇹🇪🇸\r\n", 3, "🇩🇪🇫🇷\r\n🇮🇹🇪🇸\r\n"},
        {"emoji sequences", "👨‍👩‍👧👍🏽 ok\r\n", 3, "👨‍👩‍👧👍🏽 \r\nok\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WrapToColumns(c.text, c.columns), c.wrapped) << c.script;

    // An accented letter takes one column, as its plain letter does.
    EXPECT_EQ(WrapToColumns("\xC3\xA9 x yy\r\n", 4), "\xC3\xA9 x \r\nyy\r\n");
    EXPECT_EQ(WrapToColumns("e x yy\r\n", 4), "e x \r\nyy\r\n");
    // Text that is not UTF-8 is read byte by byte, never past the end.
    EXPECT_EQ(WrapToColumns("ab \xE6\x97", 2), "ab \r\n\xE6\x97");
    EXPECT_EQ(WrapToColumns("\x97\x97 a", 2), "\x97\x97 \r\na");
}

TEST(TrimPhrase, RemovesControlCodesAndSpacesAtBothEnds)
{
    EXPECT_EQ(TrimPhrase("  \t\r\n "), "");
    EXPECT_EQ(TrimPhrase(std::string("\0\x01 hi  there \x1f", 14)), "hi  there");
    EXPECT_EQ(TrimPhrase("\xC3\xA9t\xC3\xA9 "), "\xC3\xA9t\xC3\xA9");
}

TEST(NextPhrase, ShowsThePoolInOrderAndWraps)
{
    const ov::PhrasePool pool = MakePool({"one", "two", "three"});
    int32_t cursor = -1;
    int builds = 0;
    auto build = [&] { ++builds; };
    std::vector<std::string> shown;
    for (int i = 0; i < 5; ++i)
        shown.emplace_back(NextPhrase(pool, cursor, build));
    EXPECT_EQ(shown, (std::vector<std::string>{"one", "two", "three", "one", "two"}));
    EXPECT_EQ(builds, 0);
    // A pool that shrank under the cursor starts over.
    cursor = 7;
    EXPECT_EQ(NextPhrase(pool, cursor, build), "one");
    EXPECT_EQ(cursor, 0);
}

TEST(NextPhrase, RebuildsAnEmptyPoolAndStartsAtItsFirstPhrase)
{
    ov::PhrasePool pool;
    int32_t cursor = 0;
    std::vector<std::string> onDisk;
    int builds = 0;
    auto build = [&] {
        ++builds;
        pool = MakePool(onDisk);
        cursor = -1;
    };
    EXPECT_EQ(NextPhrase(pool, cursor, build), "");
    EXPECT_EQ(NextPhrase(pool, cursor, build), "");
    EXPECT_EQ(builds, 2);

    onDisk = {"x", "y"};
    EXPECT_EQ(NextPhrase(pool, cursor, build), "x");
    EXPECT_EQ(NextPhrase(pool, cursor, build), "y");
    EXPECT_EQ(builds, 3);
}

TEST(NextPhrase, BlankPhrasesCostOneTurnEach)
{
    const ov::PhrasePool pool = MakePool({"first", "   ", "", "\t", "second  "});
    int32_t cursor = -1;
    std::vector<std::string> trimmed;
    for (size_t i = 0; i < pool.Count(); ++i)
        trimmed.push_back(TrimPhrase(NextPhrase(pool, cursor, nullptr)));
    EXPECT_EQ(trimmed, (std::vector<std::string>{"first", "", "", "", "second"}));
}

TEST(NextPhrase, CursorAtTheLimitDoesNotOverflow)
{
    const ov::PhrasePool pool = MakePool({"a"});
    int32_t cursor = INT32_MAX;
    EXPECT_EQ(NextPhrase(pool, cursor, nullptr), "a");
    EXPECT_EQ(cursor, 0);
}
