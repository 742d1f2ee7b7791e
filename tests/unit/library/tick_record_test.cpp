#include "library/tickrecord.h"
#include "testsupport.h"
#include "platform/error.h"
#include "settings/inifile.h"

using namespace ov;
using Lines = std::vector<std::string>;

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

TEST(TickRecord, AppliedByNameInFileOrderBadStatesSkippedAndReturned)
{
    const Lines names{"a", "a.b", "a:b", "Calm", "Health", "Sleep"};
    std::vector<int> ticks(names.size(), -1);
    auto set = [&](size_t i, bool t) { ticks[i] = t ? 1 : 0; };
    const auto bad = ApplyTickRecord({{"0", "calm:True"}, {"1", "HEALTH:False"}, {"2", "a.b:1"}, {"3", "Gone:True"},
                                      {"4", "no colon"}, {"5", "Calm:False"}, {"6", "a:b:True"}, {"(", "ace:"},
                                      {"7", "Health:maybe"}, {"8", "Sleep:True"}},
                                     names, set);
    // Stored names match whole (a.b is not looked up as a), the state follows
    // the last colon (a:b is its own list), later lines win, and a bad state
    // costs no other tick.
    EXPECT_EQ(ticks, (std::vector<int>{-1, 1, 1, 0, 0, 1}));
    ASSERT_EQ(bad.size(), 2u);
    EXPECT_EQ(bad[0].key, "(");
    EXPECT_EQ(bad[0].state, "");
    EXPECT_EQ(bad[1].value, "Health:maybe");
    // Names are case-sensitive: a line spelt otherwise goes only to a list
    // no line names exactly.
    const Lines twins{"A", "a", "b"};
    std::vector<int> twinTicks(twins.size(), -1);
    ApplyTickRecord({{"0", "a:True"}, {"1", "B:True"}}, twins, [&](size_t i, bool t) { twinTicks[i] = t ? 1 : 0; });
    EXPECT_EQ(twinTicks, (std::vector<int>{-1, 1, 1}));
    const std::string text = BadTickLinesMessage("/x/Orvella.ini", "Cat", bad);
    EXPECT_NE(text.find("'maybe' is not a valid boolean value"), std::string::npos) << text;
    EXPECT_NE(text.find("[Cat-Affirmations]"), std::string::npos) << text;
}

TEST(TickRecord, WriteLeavesOneLinePerKeyAndEveryTickReadsBack)
{
    IniDoc doc("[Calm-Affirmations]\n0=Old:True\n1=Older:False\n; mine\n1=Dup:True\n(=ace:\n2=Oldest:True\n"
               "x=foreign\n[Other]\n5=stay\n");
    const Lines names{" blank", "a", "a:b", "a=b", "a.b", "Z"};
    const std::vector<bool> ticked{true, false, true, true, false, true};
    WriteTickRecord(doc, "Calm", names, ticked);
    // Exactly one line per present list, in order; the comment and other
    // sections stay. A name the record cannot hold gets no line.
    EXPECT_EQ(doc.ReadSection("Calm-Affirmations"),
              (std::vector<std::pair<std::string, std::string>>{
                  {"1", "a:False"}, {"2", "a:b:True"}, {"3", "a=b:True"}, {"4", "a.b:False"}, {"5", "Z:True"}}));
    EXPECT_NE(doc.Text().find("; mine"), std::string::npos);
    EXPECT_EQ(doc.ReadString("Other", "5", ""), "stay");

    std::vector<int> read(names.size(), -1);
    EXPECT_TRUE(ApplyTickRecord(doc.ReadSection("Calm-Affirmations"), names, [&](size_t i, bool t) {
                    read[i] = t ? 1 : 0;
                }).empty());
    EXPECT_EQ(read, (std::vector<int>{-1, 0, 1, 1, 0, 1}));
    // Writing the same ticks again changes nothing.
    const std::string once = doc.Text();
    WriteTickRecord(doc, "Calm", names, ticked);
    EXPECT_EQ(doc.Text(), once);
}
