#include "branding/regfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using ov::ParseRegValues;

namespace {

TEST(RegFile, ReadsStringValuesWithEscapesUnderHeaderAndKeys)
{
    const auto v = ParseRegValues(
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Halvorn\\App\\Branding]\r\n"
        "; a comment\r\n"
        "\"AppName\"=\"Say \\\"Hi\\\"\"\r\n"
        "\"Path\"=\"C:\\\\Program Files\\\\App\"\r\n"
        "\"Odd\"=\"a\\nb\"\r\n"
        "  \"Spaced\" = \"x y\" \n"
        "\"Empty\"=\"\"\n");
    EXPECT_EQ(v.Get("AppName"), "Say \"Hi\"");
    EXPECT_EQ(v.Get("Path"), "C:\\Program Files\\App");
    EXPECT_EQ(v.Get("Odd"), "a\\nb"); // only \\ and \" are escapes
    EXPECT_EQ(v.Get("Spaced"), "x y");
    EXPECT_TRUE(v.Has("Empty"));
    EXPECT_EQ(v.Size(), 5u);
}

TEST(RegFile, NamesMatchWithoutCaseAndLaterValuesWin)
{
    const auto v = ParseRegValues("\"AppName\"=\"one\"\n\"APPNAME\"=\"two\"\n");
    EXPECT_EQ(v.Get("appname"), "two");
    EXPECT_EQ(v.Get("AppName"), "two");
    EXPECT_EQ(v.Get("Missing"), "");
    EXPECT_FALSE(v.Has("Missing"));
}

TEST(RegFile, ValuesOfOtherTypesReadAsEmpty)
{
    const auto v = ParseRegValues(
        "\"Number\"=dword:00000001\n"
        "\"Bytes\"=hex:41,42,43,\\\n  44,45\n"
        "\"Multi\"=hex(7):41,00,00,00,00,00\n"
        "\"Gone\"=-\n"
        "\"After\"=\"ok\"\n");
    for (const char* name : {"Number", "Bytes", "Multi", "Gone"}) {
        EXPECT_TRUE(v.Has(name)) << name;
        EXPECT_EQ(v.Get(name), "") << name;
    }
    EXPECT_EQ(v.Get("After"), "ok"); // the hex continuation line did not derail parsing
}

TEST(RegFile, ExpandableStringsAreDecodedAsStoredOverContinuationLines)
{
    // As the registry editor writes "%APPDATA%\Café" followed by its zero.
    const auto v = ParseRegValues(
        "\"Expand\"=hex(2):25,00,41,00,50,00,50,00,44,00,41,00,54,00,41,00,25,00,5c,00,\\\r\n"
        "  43,00,61,00,66,00,E9,00,00,00\r\n"
        "\"Plain\"=HEX(1):3d,d8,00,de,00,00\n" // a surrogate pair
        "\"Broken\"=hex(2):4g,00\n"
        "\"NoEnd\"=hex(2):41,00,\\\n"
        "\"After\"=\"ok\"\n");
    EXPECT_EQ(v.Get("Expand"), "%APPDATA%\\Caf\xC3\xA9");
    EXPECT_EQ(v.Get("Plain"), "\xF0\x9F\x98\x80");
    EXPECT_TRUE(v.Has("Broken"));
    EXPECT_EQ(v.Get("Broken"), "");
    EXPECT_EQ(v.Get("After"), "ok");
}

TEST(RegFile, MalformedLinesAreSkipped)
{
    using namespace std::string_literals;
    const auto v = ParseRegValues(
        "\"NoClose=\"x\"\n"
        "\"NoValue\"\n"
        "\"Unclosed\"=\"abc\n"
        "\"Junk\"=\"abc\"def\n"
        "\"Bin\0ary\"=\"x\"\n"
        "\"Good\"=\"yes\""s);
    EXPECT_EQ(v.Size(), 1u);
    EXPECT_EQ(v.Get("Good"), "yes");
}

TEST(RegFile, AcceptsUtf16AndUtf8ByteOrderMarks)
{
    const std::string text = "Windows Registry Editor Version 5.00\r\n\"AppName\"=\"Caf\xC3\xA9\"\r\n";
    const QString q = QString::fromUtf8(text.c_str());
    std::string utf16 = "\xFF\xFE";
    for (QChar c : q) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    EXPECT_EQ(ParseRegValues(utf16).Get("AppName"), "Caf\xC3\xA9");
    EXPECT_EQ(ParseRegValues("\xEF\xBB\xBF\"AppName\"=\"x\"").Get("AppName"), "x");
}

TEST(RegFile, ReadsOnlyTheLimitAndDropsTheCutLine)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("big.reg").toStdString();
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\"First\"=\"1\"\n\"Second\"=\"22222222\"\n");
    f.close();
    EXPECT_EQ(ov::ReadRegFile(path).Get("Second"), "22222222");
    const auto cut = ov::ReadRegFile(path, 20); // inside the second line
    EXPECT_EQ(cut.Get("First"), "1");
    EXPECT_FALSE(cut.Has("Second"));

    EXPECT_EQ(ov::ReadRegFile(dir.filePath("missing.reg").toStdString()).Size(), 0u);
    EXPECT_EQ(ov::ReadRegFile(dir.path().toStdString()).Size(), 0u); // a folder
}

TEST(RegFile, SearchFoldersFollowTheBaseDirectoryRules)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(ov::ConfigSearchFolders("/cfg", "/home/u", "/a:/b/"), (V {"/cfg/", "/a/", "/b/"}));
    EXPECT_EQ(ov::ConfigSearchFolders(nullptr, "/home/u", nullptr), (V {"/home/u/.config/", "/etc/xdg/"}));
    EXPECT_EQ(ov::ConfigSearchFolders("", "/home/u/", ""), (V {"/home/u/.config/", "/etc/xdg/"}));
    // Relative entries are not trusted.
    EXPECT_EQ(ov::ConfigSearchFolders("rel", nullptr, "x::/ok"), (V {"/ok/"}));
}

} // namespace
