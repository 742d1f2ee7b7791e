#include "library/listfiles.h"
#include "platform/error.h"
#include "testsupport.h"

#include <climits>
#include <unistd.h>

using ovtest::TempExeFolder;

TEST(EditorText, LineBreaksBecomeCrLfAndFinalBreakIsKept)
{
    EXPECT_EQ(ov::EditorTextFromBytes("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(ov::EditorTextFromBytes("a\n\nb\n"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(ov::EditorTextFromBytes("a\r\r\n"), "a\r\n\r\n"); // lone CR, then CR LF
    EXPECT_EQ(ov::EditorTextFromBytes(""), "");
    // A NUL ends the text; a byte-order mark is not part of the first phrase.
    EXPECT_EQ(ov::EditorTextFromBytes(std::string("\xEF\xBB\xBFx\ny\0z\n", 10)), "x\r\ny");
}

TEST(EditorText, LoadReportsMissingAndOversizedFiles)
{
    TempExeFolder dir;
    dir.Write("big.txt", std::string(100, 'x'));
    dir.Write("crs.txt", std::string(60, '\n')); // grows past the capacity as CR LF
    EXPECT_EQ(ov::LoadEditorText(dir.Path("big.txt"), 100).size(), 100u);
    for (const char* name : {"big.txt", "crs.txt"}) {
        try {
            ov::LoadEditorText(dir.Path(name), 99);
            ADD_FAILURE() << name;
        } catch (const ov::OvError& e) {
            EXPECT_STREQ(e.what(), "Text exceeds memo capacity");
        }
    }
    try {
        ov::LoadEditorText(dir.Path("gone.txt"));
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
