#include "library/listfiles.h"
#include "platform/error.h"
#include "testsupport.h"

#include <climits>
#include <unistd.h>

using ovtest::TempExeFolder;

// Every format a list is read in is written back byte for byte, so an edit
// changes only what was typed.
TEST(ListText, EachEncodingMarkAndLineBreakReadsAsTextAndWritesBackTheSameBytes)
{
    using ov::ListEncoding;
    const std::string utf16le("\xFF\xFEI\0 \0\xAC\x20\r\0\n\0\x3D\xD8\x00\xDE", 16);
    const std::string utf16be("\xFE\xFF\0I\0\r\0\n\0x", 10);
    struct Case {
        std::string bytes;
        QString text;
        ListEncoding encoding;
        bool mark;
        std::string lineBreak;
    } cases[] = {
        {utf16le, QString::fromUtf8("I \u20ac\n\U0001F600"), ListEncoding::Utf16LE, true, "\r\n"},
        {utf16be, "I\nx", ListEncoding::Utf16BE, true, "\r\n"},
        {"\xEF\xBB\xBFline1\nline2\n", "line1\nline2\n", ListEncoding::Utf8, true, "\n"},
        {"a\rb\r", "a\nb\n", ListEncoding::Utf8, false, "\r"},
        {"caf\xE9\r\n", QString::fromUtf8("caf\u00e9\n"), ListEncoding::Latin1, false, "\r\n"},
        {"one line", "one line", ListEncoding::Utf8, false, "\r\n"},
        {"", "", ListEncoding::Utf8, false, "\r\n"},
    };
    for (const Case& c : cases) {
        const ov::ListText list = ov::DecodeListText(c.bytes);
        EXPECT_EQ(list.text, c.text) << c.bytes;
        EXPECT_EQ(list.format.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(list.format.byteOrderMark, c.mark) << c.bytes;
        EXPECT_EQ(list.format.lineBreak, c.lineBreak) << c.bytes;
        EXPECT_EQ(list.readOnlyReason, "") << c.bytes;
        EXPECT_EQ(ov::EncodeListText(list.text, list.format), c.bytes);
    }
    // An edit keeps the format; Latin-1 that gains a euro sign becomes UTF-8.
    EXPECT_EQ(ov::EncodeListText("I\nx\ny", ov::DecodeListText(utf16be).format), std::string(utf16be).append("\0\r\0\n\0y", 6));
    EXPECT_EQ(ov::EncodeListText(QString::fromUtf8("\u20ac"), ov::DecodeListText("\xE9").format), "\xE2\x82\xAC");
}

TEST(ListText, WhatTheEditorCannotShowMakesTheListReadOnly)
{
    const ov::ListText nul = ov::DecodeListText(std::string("\xEF\xBB\xBFline1\nline2\0hidden tail\nline3\n", 32));
    EXPECT_EQ(nul.text, "line1\nline2");
    EXPECT_NE(nul.readOnlyReason.find("NUL"), std::string::npos);
    for (const std::string& bad : {std::string("\xFF\xFEx\0y", 5), std::string("\xFF\xFE\x00\xDCx\0", 6)})
        EXPECT_NE(ov::DecodeListText(bad).readOnlyReason.find("UTF-16"), std::string::npos) << bad.size();
}

TEST(ListText, LoadReportsMissingAndOversizedFiles)
{
    TempExeFolder dir;
    dir.Write("big.txt", std::string(100, 'x'));
    EXPECT_EQ(ov::LoadListText(dir.Path("big.txt"), 100).text.size(), 100);
    try {
        ov::LoadListText(dir.Path("big.txt"), 99);
        ADD_FAILURE();
    } catch (const ov::OvError& e) {
        EXPECT_STREQ(e.what(), "Text exceeds memo capacity");
    }
    try {
        ov::LoadListText(dir.Path("gone.txt"));
        ADD_FAILURE();
    } catch (const ov::OvError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + dir.Path("gone.txt") + "\". ", 0), 0u);
    }
}

TEST(NewListName, NamesThatLeaveTheFolderOrCannotBeFilesAreRefused)
{
    for (const std::string& bad : std::vector<std::string>{"a/b", "../x", "a\\b", ".", "..", std::string("a\0b", 3),
                                  std::string(NAME_MAX - 3, 'n'), " x", "tab\there", "line\nbreak"})
        EXPECT_FALSE(ov::NewListNameProblem(bad).empty()) << bad;
    for (const std::string& good : std::vector<std::string>{"Calm", "spaced ", "a:b", "...x", "a.b", "Été", std::string(NAME_MAX - 4, 'n')})
        EXPECT_EQ(ov::NewListNameProblem(good), "") << good;
}

TEST(DeleteList, GoneCountsAsDeletedOtherFailuresAreReported)
{
    TempExeFolder dir;
    dir.Write("Cat/a.txt", "x");
    ov::DeleteListFile(dir.Path("Cat/a.txt"));
    EXPECT_NE(access(dir.Path("Cat/a.txt").c_str(), F_OK), 0);
    EXPECT_NO_THROW(ov::DeleteListFile(dir.Path("Cat/a.txt")));
    dir.MakeFolder("Cat/folder.txt");
    dir.Write("Cat/folder.txt/inner", "x");
    EXPECT_THROW(ov::DeleteListFile(dir.Path("Cat/folder.txt")), ov::OvError);
}
