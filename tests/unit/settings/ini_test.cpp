#include "settings/inifile.h"

#include "platform/error.h"
#include "platform/utils.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>

using ov::IniDoc;
using ov::IniFile;
using ovtest::ReadFile;
using ovtest::TempDir;
using ovtest::WriteFile;

TEST(IniInteger, FollowsTheIntegerRule)
{
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        {"12", true, 12},
        {"+5", true, 5},
        {"-16777208", true, -16777208},
        {" 7 ", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, INT32_MIN},
        {"$FF000008", true, -16777208},
        {"$ff", true, 255},
        {"$FFFFFFFF", true, -1},
        {"$00000000FF", true, 255},
        {"0x1F", true, 31},
        {"0X1f", true, 31},
        {"0", true, 0},
        {"2147483648", false, 0},
        {"-2147483649", false, 0},
        {"99999999999", false, 0},
        {"$100000000", false, 0},
        {"0x", false, 0},
        {"$", false, 0},
        {"-", false, 0},
        {"", false, 0},
        {"12abc", false, 0},
        {"1 2", false, 0},
        {"-$10", false, 0},
        {"0xG1", false, 0},
        {"yes", false, 0},
    };
    for (const Case& c : cases) {
        int32_t v = 4242;
        EXPECT_EQ(ov::ParseIniInteger(c.text, v), c.ok) << '"' << c.text << '"';
        EXPECT_EQ(v, c.ok ? c.value : 4242) << '"' << c.text << '"';
    }
}

// File names are case-sensitive, so categories "Calm" and "calm" each own
// their sections; another spelling is read only when the exact one is absent.
TEST(IniDoc, SectionsMatchAsSpeltAndAnotherSpellingIsOnlyAFallback)
{
    IniDoc doc("[Calm-Settings]\nSize=12\n[general]\nAutoStart=1\n");
    EXPECT_EQ(doc.ReadInteger("calm-Settings", "Size", 0), 12);
    doc.WriteInteger("calm-Settings", "Size", 30);
    EXPECT_EQ(doc.ReadInteger("Calm-Settings", "Size", 0), 12);
    EXPECT_EQ(doc.ReadInteger("calm-Settings", "Size", 0), 30);
    // A write under the exact name starts from what the other spelling held.
    doc.WriteInteger("General", "GroupIndex", 2);
    EXPECT_EQ(doc.ReadInteger("General", "AutoStart", 0), 1);
    EXPECT_EQ(doc.ReadInteger("General", "GroupIndex", 0), 2);
    doc.DeleteKey("General", "AutoStart");
    EXPECT_EQ(doc.ReadInteger("General", "AutoStart", 0), 0);
    doc.SetSectionKeys("calm-Affirmations", {{"0", "a:True"}});
    doc.SetSectionKeys("Calm-Affirmations", {{"0", "A:False"}});
    EXPECT_EQ(doc.ReadSection("calm-Affirmations"), (std::vector<std::pair<std::string, std::string>>{{"0", "a:True"}}));
    EXPECT_EQ(doc.ReadSection("Calm-Affirmations"), (std::vector<std::pair<std::string, std::string>>{{"0", "A:False"}}));
}

TEST(IniDoc, ReadsByTheRules)
{
    const IniDoc doc("[general]\n"
                     "groupindex = 2\n"
                     "[A-Settings]\n"
                     "FontName =  Times New Roman  \n"
                     "Empty=\n"
                     "TextColor=$FF000008\n"
                     "Pause=2\n"
                     "Other=yes\n"
                     "Size=12abc\n"
                     "; Hidden=1\n"
                     "[\xC3\x84rger]\n"
                     "k=1\n");
    EXPECT_EQ(doc.ReadInteger("General", "GroupIndex", 0), 2);
    EXPECT_EQ(doc.ReadString("a-settings", "fontname", "Arial"), "Times New Roman");
    // Present but empty reads as empty; only an absent key gives the default.
    EXPECT_EQ(doc.ReadString("A-Settings", "Empty", "Arial"), "");
    EXPECT_EQ(doc.ReadString("A-Settings", "Missing", "Arial"), "Arial");
    EXPECT_EQ(doc.ReadString("B-Settings", "FontName", "Arial"), "Arial");
    EXPECT_EQ(doc.ReadInteger("A-Settings", "TextColor", 0), -16777208);
    EXPECT_EQ(doc.ReadInteger("A-Settings", "Size", 12), 12);
    EXPECT_TRUE(doc.ReadBool("A-Settings", "Pause", false));
    EXPECT_FALSE(doc.ReadBool("A-Settings", "Other", false));
    EXPECT_TRUE(doc.ReadBool("A-Settings", "Other", true));
    EXPECT_FALSE(doc.HasKey("A-Settings", "Hidden")); // a comment, not a key
    EXPECT_TRUE(doc.HasKey("A-SETTINGS", "EMPTY"));
    // Only A to Z fold: the two bytes of Ä and ä differ.
    EXPECT_EQ(doc.ReadInteger("\xC3\x84RGER", "K", 0), 1);
    EXPECT_EQ(doc.ReadInteger("\xC3\xA4rger", "k", 0), 0);
}

TEST(IniDoc, CapsLongValuesWithoutSplittingACharacter)
{
    IniDoc doc;
    doc.WriteString("S", "Long", std::string(3000, 'a'));
    EXPECT_EQ(doc.ReadString("S", "Long", ""), std::string(2047, 'a'));
    doc.WriteString("S", "Wide", std::string(2046, 'a') + "\xC3\xA9" + "tail");
    EXPECT_EQ(doc.ReadString("S", "Wide", ""), std::string(2046, 'a'));
    // A byte that belongs to no UTF-8 character (Latin-1) is cut like any byte.
    doc.WriteString("S", "Latin1", std::string(2047, 'a') + "\xB0");
    EXPECT_EQ(doc.ReadString("S", "Latin1", ""), std::string(2047, 'a'));
    doc.WriteString("S", "Latin1b", std::string(2046, 'a') + "\xE9\xB0");
    EXPECT_EQ(doc.ReadString("S", "Latin1b", ""), std::string(2046, 'a') + "\xE9");
    doc.WriteString("S", "Three", std::string(2045, 'a') + "\xE2\x82\xAC");
    EXPECT_EQ(doc.ReadString("S", "Three", ""), std::string(2045, 'a'));
    // The file keeps the whole value.
    EXPECT_NE(doc.Text().find(std::string(3000, 'a')), std::string::npos);
}

TEST(IniDoc, ReadSectionGivesKeyLinesInFileOrder)
{
    const IniDoc doc("[Cat-Affirmations]\n"
                     "1 = Health:False\n"
                     "; note\n"
                     "garbage\n"
                     "0=Calm:True\n"
                     "1=Again:True\n"
                     "[Next]\n"
                     "9=x\n");
    using P = std::pair<std::string, std::string>;
    const std::vector<P> expected = {{"1", "Health:False"}, {"0", "Calm:True"}, {"1", "Again:True"}};
    EXPECT_EQ(doc.ReadSection("cat-affirmations"), expected);
    EXPECT_TRUE(doc.ReadSection("Missing").empty());
}

TEST(IniDoc, DuplicateSectionsUseTheFirst)
{
    IniDoc doc("[A]\nk=1\n[B]\nz=0\n[a]\nk=2\nj=3\n");
    EXPECT_EQ(doc.ReadInteger("A", "k", 0), 1);
    EXPECT_EQ(doc.ReadInteger("A", "j", 0), 0);
    doc.WriteInteger("A", "k", 5);
    doc.WriteInteger("A", "j", 4);
    EXPECT_EQ(doc.Text(), "[A]\nk=5\nj=4\n[B]\nz=0\n[a]\nk=2\nj=3\n");
    using P = std::pair<std::string, std::string>;
    EXPECT_EQ(doc.ReadSection("A"), (std::vector<P>{{"k", "5"}, {"j", "4"}}));
    EXPECT_EQ(doc.ReadSection("a"), (std::vector<P>{{"k", "2"}, {"j", "3"}})); // spelt otherwise: its own section
}

TEST(IniDoc, WritesReplaceInPlaceOrAppend)
{
    IniDoc doc("[General]\nGroupIndex = 1 \n\n[A-Settings]\nSize=12\n\n\n");
    doc.WriteInteger("General", "groupindex", -1);    // in place, spelling and blanks kept
    doc.WriteString("A-Settings", "FontName", "Arial"); // after the last non-blank line
    doc.WriteBool("B-Settings", "Pause", true);        // new section at the end
    doc.WriteBool("B-Settings", "Other", false);
    EXPECT_EQ(doc.Text(), "[General]\nGroupIndex = -1\n\n"
                          "[A-Settings]\nSize=12\nFontName=Arial\n\n\n"
                          "[B-Settings]\nPause=1\nOther=0\n");
    EXPECT_TRUE(doc.ReadBool("B-Settings", "Pause", false));
    EXPECT_FALSE(doc.ReadBool("B-Settings", "Other", true));
}

TEST(IniDoc, DeleteKeyRemovesOnlyThatKey)
{
    IniDoc doc("[S]\nk=1\nkeep=2\nK=3\n[T]\nk=4\n[S]\nk=5");
    doc.DeleteKey("S", "K");
    EXPECT_EQ(doc.Text(), "[S]\nkeep=2\n[T]\nk=4\n[S]\nk=5");
    EXPECT_EQ(doc.ReadInteger("S", "k", -7), -7);
    doc.DeleteKey("T", "k"); // a key on a line of its own without a final break
    EXPECT_EQ(doc.Text(), "[S]\nkeep=2\n[T]\n[S]\nk=5");
    doc.DeleteKey("Missing", "k");
    EXPECT_EQ(doc.Text(), "[S]\nkeep=2\n[T]\n[S]\nk=5");
}

TEST(IniDoc, ForeignLinesSurviveWritesByteForByte)
{
    const std::string before = "\xEF\xBB\xBF; written by hand\r\n"
                               "# another comment\r\n"
                               "[Other Program]\r\n"
                               "  Path = C:\\x ; not ours\r\n"
                               "\r\n"
                               "this line is garbage\r\n"
                               "[General]\r\n"
                               "GroupIndex=3\r\n"
                               "\r\n"
                               "[Tail]\r\n"
                               "x=1";
    IniDoc doc(before);
    EXPECT_EQ(doc.ReadString("Other Program", "Path", ""), "C:\\x ; not ours");
    doc.WriteInteger("General", "GroupIndex", 0);
    doc.WriteString("General", "New", "v");
    doc.WriteString("Tail", "y", "2");
    doc.WriteString("Added", "z", "3");
    const std::string after = "\xEF\xBB\xBF; written by hand\r\n"
                              "# another comment\r\n"
                              "[Other Program]\r\n"
                              "  Path = C:\\x ; not ours\r\n"
                              "\r\n"
                              "this line is garbage\r\n"
                              "[General]\r\n"
                              "GroupIndex=0\r\n"
                              "New=v\r\n"
                              "\r\n"
                              "[Tail]\r\n"
                              "x=1\r\n"
                              "y=2\r\n"
                              "[Added]\r\n"
                              "z=3\r\n";
    EXPECT_EQ(doc.Text(), after);
    EXPECT_EQ(doc.ReadString("this line is garbage", "x", "d"), "d");
}

TEST(IniDoc, NoFinalBreakIsKeptUnlessALineFollows)
{
    IniDoc doc("[S]\nk=1");
    doc.WriteInteger("S", "k", 2);
    EXPECT_EQ(doc.Text(), "[S]\nk=2");
    doc.WriteInteger("T", "k", 3);
    EXPECT_EQ(doc.Text(), "[S]\nk=2\n[T]\nk=3\n");
}

TEST(IniDoc, RefusesNamesAndValuesThatWouldCorruptTheFile)
{
    IniDoc doc("[S]\nk=1\n");
    EXPECT_THROW(doc.WriteString("S", "k", "two\nlines"), ov::OvError);
    EXPECT_THROW(doc.WriteString("S", "k", "cr\rvalue"), ov::OvError);
    EXPECT_THROW(doc.WriteString("S\n[General]", "k", "1"), ov::OvError);
    EXPECT_THROW(doc.WriteString("S", "a=b", "1"), ov::OvError);
    EXPECT_THROW(doc.WriteString("S", ";k", "1"), ov::OvError);
    EXPECT_THROW(doc.WriteString("S", "  ", "1"), ov::OvError);
    EXPECT_EQ(doc.Text(), "[S]\nk=1\n");
    // Brackets inside names are fine: the last one closes the section name.
    doc.WriteString("A]B", "k", "1");
    EXPECT_EQ(doc.ReadString("a]b", "K", ""), "1");
}

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::string path = dir / "Orvella.ini";
};

TEST_F(IniFileTest, FirstWriteCreatesTheFileAndEachReadOpensItAfresh)
{
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("General", "GroupIndex", 0), 0);
    EXPECT_FALSE(ov::FileExists(path));
    ini.WriteInteger("General", "GroupIndex", 4);
    EXPECT_EQ(ReadFile(path), "[General]\nGroupIndex=4\n");
    WriteFile(path, "[General]\r\nGroupIndex=7\r\n"); // changed behind its back
    EXPECT_EQ(ini.ReadInteger("General", "GroupIndex", 0), 7);
    ini.Update([](IniDoc& d) {
        d.WriteBool("A-Settings", "Pause", false);
        d.WriteInteger("A-Settings", "TextColor", -16777208);
        d.DeleteKey("General", "GroupIndex");
    });
    EXPECT_EQ(ReadFile(path), "[General]\r\n[A-Settings]\r\nPause=0\r\nTextColor=-16777208\r\n");
}

TEST_F(IniFileTest, AnUnreadableFileIsNeverReplaced)
{
    ASSERT_TRUE(ov::ForceFolders(path)); // a folder where the file should be
    IniFile ini(path);
    EXPECT_EQ(ini.ReadString("S", "k", "def"), "def");
    try {
        ini.WriteString("S", "k", "v");
        FAIL() << "no error";
    } catch (const ov::OvError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
    EXPECT_TRUE(ov::FolderExists(path));
}

TEST_F(IniFileTest, SettingsFileThatIsAFifoReadsAsDefaultsAndIsKept)
{
    ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
    IniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("General", "GroupIndex", 3), 3); // at once, no writer awaited
    try {
        ini.WriteInteger("General", "GroupIndex", 1);
        FAIL() << "no error";
    } catch (const ov::OvError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot read the settings file \"" + path + "\": It is a named pipe, not a regular file.");
    }
    struct stat st {};
    ASSERT_EQ(lstat(path.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(IniFileTest, ReadOnlyFileGivesAnErrorAndStaysWhole)
{
    const std::string before = "; mine\n[General]\nGroupIndex=1\n";
    WriteFile(path, before);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    auto write = [this]() -> std::string {
        try {
            IniFile(path).WriteInteger("General", "GroupIndex", 2);
            return "no error";
        } catch (const ov::OvError& e) {
            return e.what();
        }
    };
    const std::string expected = "Cannot write the settings file \"" + path + "\": Permission denied.";
    // As this user (root passes every permission check: the program's own
    // check must stop it), then as one who may write the folder but not the
    // file (a rename over the file would otherwise succeed).
    EXPECT_EQ(write(), expected);
    EXPECT_EQ(ReadFile(path), before);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0777), 0);
    const auto result = ovtest::RunUnprivileged(write);
    chmod(dir.Path().c_str(), 0755);
    if (!result) GTEST_SKIP() << "running as root and unable to switch to an unprivileged user";
    EXPECT_EQ(*result, expected);
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(IniFileTest, ReadOnlyFolderGivesAnErrorAndCreatesNothing)
{
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    const auto result = ovtest::RunUnprivileged([this]() -> std::string {
        try {
            IniFile(path).WriteBool("S", "Pause", true);
            return "no error";
        } catch (const ov::OvError& e) {
            return e.what();
        }
    });
    chmod(dir.Path().c_str(), 0755);
    if (!result) GTEST_SKIP() << "running as root and unable to switch to an unprivileged user";
    EXPECT_NE(result->find("Cannot write the settings file \"" + path + "\""), std::string::npos) << *result;
    EXPECT_FALSE(ov::FileExists(path));
    EXPECT_TRUE(ov::ListFiles(dir.Path() + "/.*", true).empty()); // no temporary left behind
}

TEST(SettingsFile, IsTheExecutablePathWithIni)
{
    ov::SetExePath("/opt/orvella/Orvella");
    EXPECT_EQ(ov::SettingsFilePath(), "/opt/orvella/Orvella.ini");
    ov::SetExePath("/opt/my.apps/Orvella.exe");
    EXPECT_EQ(ov::SettingsFilePath(), "/opt/my.apps/Orvella.ini");
    ov::SetExePath("/opt/my.apps/Orvella");
    EXPECT_EQ(ov::SettingsFilePath(), "/opt/my.apps/Orvella.ini");
    ov::SetExePath("");
}
