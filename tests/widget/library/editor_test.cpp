#include "app/ui/mainwindow.h"
#include "library/ui/messagespage.h"
#include "library/ui/print.h"
#include "ui/widgetsupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>

using ov::MsgKind;
using ov::MsgResult;

class Editor : public ovtest::WindowTest {
protected:
    void TearDown() override
    {
        ov::SetPrintDialogSeam({});
        WindowTest::TearDown();
    }
    MessagesPage& Page() { return *Find<MessagesPage>(); }
    bool Dirty() { return Find<MessagesPage>()->HasUnsavedChanges(); }
    void Select(int row) { Find<QListWidget>("phraseLists")->setCurrentRow(row); }
    void Type(const QString& text) { Find<QPlainTextEdit>("phraseEditor")->setPlainText(text); } // a user edit
    std::string File(const std::string& list) { return exe->Read("Affirmations/Cat/" + list + ".txt"); }
    bool ShownText(const std::string& prefix)
    {
        for (const std::string& t : ShownTexts())
            if (t.rfind(prefix, 0) == 0) return true;
        return false;
    }
};

TEST_F(Editor, LfAndCrFilesLoadAsLinesAndSaveBackWithTheirOwnLineBreaks)
{
    exe->MakeCategory("Cat", {{"cr", "x\ry"}, {"lf", "a\n\nb\n"}});
    MakeMain();
    EXPECT_EQ(Find<QLabel>("editorLabel")->text(), "Subliminal Messages Editor for:  ");
    Select(1);
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->blockCount(), 4); // a, empty, b, and the row after the final break
    EXPECT_EQ(Find<QLabel>("editorLabel")->text(), "Subliminal Messages Editor for:  lf");
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File("lf"), "a\n\nb\n");
    Select(0);
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->blockCount(), 2);
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File("cr"), "x\ry");
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{"Messages Saved Successfully", "Messages Saved Successfully"}));
    EXPECT_FALSE(Dirty());
}

TEST_F(Editor, SaveKeepsTextExactlyIncludingNoBreakSpacesAndMissingFinalBreak)
{
    // Every script a user writes in, shown as it is and saved back byte for byte.
    const std::string scripts = "我爱你中国\r\n日本語のテキスト\r\nฉันรักคุณ\r\nПривет мир\r\nΚαλημέρα\r\n"
                                "Cafe\xCC\x81\r\nשלום 123 עולם\r\nمرحبا بالعالم\r\nनमस्ते दुनिया\r\n"
                                "👨‍👩‍👧 🇩🇪 👍🏽\r\n";
    exe->MakeCategory("Cat", {{"l", "old"}, {"s", scripts}});
    MakeMain();
    Select(1);
    QString shown = QString::fromUtf8(scripts.data(), qsizetype(scripts.size()));
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->toPlainText(), shown);
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File("s"), scripts);
    Select(0);
    Type(QString::fromUtf8("caf\u00e9\u00a0bar\n p "));
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File("l"), "caf\xC3\xA9\xC2\xA0" "bar\r\n p ");
    Type(QString());
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File("l"), "");
    struct stat st {};
    ASSERT_EQ(stat(exe->Path("Affirmations/Cat/l.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_size, 0);
}

TEST_F(Editor, LoadingAListIsNoChange)
{
    exe->MakeCategory("Cat", {{"a", "one"}, {"b", "two"}});
    MakeMain();
    Select(0);
    EXPECT_FALSE(Dirty());
    QListWidget* lists = Find<QListWidget>("phraseLists");
    QTest::mouseClick(lists->viewport(), Qt::LeftButton, {}, lists->visualItemRect(lists->item(0)).center());
    EXPECT_FALSE(Dirty());
    Select(-1);
    Select(0); // chosen again: the file is read anew, and its text is the same
    EXPECT_FALSE(Dirty());
    Select(1);
    EXPECT_FALSE(Dirty());
    EXPECT_EQ(Page().EditorText(), "two");
    EXPECT_TRUE(Shown().empty());
}

// A list saved by another editor: UTF-16 with its mark, or UTF-8 with a mark,
// LF line breaks and a NUL.
TEST_F(Editor, LookingAtAListNeverRewritesItAndAnEditKeepsItsEncoding)
{
    std::string utf16("\xFF\xFE", 2);
    for (const char c : std::string("I am calm\r\nI am strong\r\n")) utf16.append({c, '\0'});
    const std::string withNul("\xEF\xBB\xBFline1\nline2\0hidden tail\nline3\n", 32);
    exe->MakeCategory("Cat", {{"a", utf16}, {"b", withNul}});
    MakeMain();
    Select(0);
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->toPlainText(), "I am calm\nI am strong\n");
    EXPECT_FALSE(Dirty());
    Page().SaveTicksAndEditor(); // the close question answered Yes
    EXPECT_EQ(File("a"), utf16);
    Find<QPlainTextEdit>("phraseEditor")->appendPlainText("new");
    Page().SaveTicksAndEditor();
    EXPECT_EQ(File("a"), utf16 + std::string("\r\0\n\0n\0e\0w\0", 10)); // one more line, as UTF-16

    // What the editor cannot show is never written back.
    Select(1);
    EXPECT_TRUE(Find<QPlainTextEdit>("phraseEditor")->isReadOnly());
    EXPECT_NE(Find<QLabel>("editorLabel")->text().indexOf("read-only"), -1);
    Find<QPushButton>("saveMessagesButton")->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    Page().SaveTicksAndEditor();
    EXPECT_EQ(File("b"), withNul);
    Select(0);
    EXPECT_FALSE(Find<QPlainTextEdit>("phraseEditor")->isReadOnly());
}

TEST_F(Editor, AListChangedByAnotherProgramIsOverwrittenOnlyWhenTheUserSaysSo)
{
    exe->MakeCategory("Cat", {{"a", "one"}});
    MakeMain();
    Select(0);
    Type("mine");
    exe->Write("Affirmations/Cat/a.txt", "theirs");
    Find<QPushButton>("saveMessagesButton")->click(); // unanswered: No, the list is loaded as it is now
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Confirm);
    EXPECT_EQ(File("a"), "theirs");
    EXPECT_EQ(Page().EditorText(), "theirs");
    Type("mine again");
    exe->Write("Affirmations/Cat/a.txt", "theirs again");
    Answer(MsgResult::Yes);
    Page().SaveTicksAndEditor();
    EXPECT_EQ(File("a"), "mine again");
}

TEST_F(Editor, ReadOnlyFileOnSaveShowsErrorAndKeepsFileAndFlag)
{
    exe->MakeCategory("Cat", {{"l", "old"}});
    MakeMain();
    Select(0);
    Type("new");
    const std::string path = exe->Path("Affirmations/Cat/l.txt");
    chmod(path.c_str(), 0444);
    Find<QPushButton>("saveMessagesButton")->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_EQ(Shown()[0].text.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << Shown()[0].text;
    EXPECT_EQ(File("l"), "old");
    EXPECT_TRUE(Dirty());
}

TEST_F(Editor, SaveAndPrintWithoutSelectionOnlyShowTheirErrors)
{
    exe->MakeCategory("Cat", {{"l", "old"}});
    MakeMain();
    bool dialogShown = false;
    ov::SetPrintDialogSeam([&](QPrinter&) { return dialogShown = true; });
    Find<QPushButton>("saveMessagesButton")->click();
    Find<QPushButton>("printListButton")->click();
    EXPECT_EQ(ShownTexts(), (std::vector<std::string>{"You must select a list to save the messages to",
                                                      "You must select a list to print the messages"}));
    EXPECT_EQ(Shown()[1].kind, MsgKind::Error);
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(File("l"), "old");
}

TEST_F(Editor, VanishedOrOversizedFileKeepsEditorHeadingAndSelection)
{
    exe->MakeCategory("Cat", {{"a", "keep"}, {"b", "x"}});
    MakeMain();
    Select(0);
    std::remove(exe->Path("Affirmations/Cat/b.txt").c_str());
    Select(1);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text.rfind("Cannot open file \"" + exe->Path("Affirmations/Cat/b.txt") + "\". ", 0), 0u);
    EXPECT_EQ(Page().EditorText(), "keep");
    EXPECT_EQ(Find<QLabel>("editorLabel")->text(), "Subliminal Messages Editor for:  a");
    // Save must not write a's text into b.
    EXPECT_EQ(Find<QListWidget>("phraseLists")->currentRow(), 0);
}

TEST_F(Editor, TypedEditsAreOfferedForSavingBeforeAnotherListReplacesThem)
{
    exe->MakeCategory("Cat", {{"a", "one"}, {"b", "two"}, {"c", "three"}});
    MakeMain();
    Select(0);
    Type("edited");
    Answer(MsgResult::Yes);
    Select(1);
    EXPECT_EQ(File("a"), "edited");
    EXPECT_EQ(Page().EditorText(), "two");
    Type("dropped");
    Answer(MsgResult::No);
    Select(2);
    EXPECT_EQ(File("b"), "two");
    EXPECT_EQ(ShownTexts().size(), 2u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Confirm);
}

TEST_F(Editor, PrintUsesTheDialogsPrinterAndCancelPrintsNothing)
{
    exe->MakeCategory("Cat", {{"Calm", "first\n\nthird"}});
    MakeMain();
    Select(0);
    const std::string pdf = exe->Path("out.pdf");
    ov::SetPrintDialogSeam([](QPrinter&) { return false; });
    Find<QPushButton>("printListButton")->click();
    EXPECT_NE(access(pdf.c_str(), F_OK), 0);
    int copies = 0;
    ov::SetPrintDialogSeam([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(QString::fromStdString(pdf));
        p.setCopyCount(2);
        p.setPrintRange(QPrinter::PageRange);
        p.setPageRanges(QPageRanges::fromString(QStringLiteral("2-3")));
        return true;
    });
    QPrinter probe;
    ASSERT_TRUE(ov::RunPrintDialog(probe, nullptr));
    EXPECT_EQ(probe.printRange(), QPrinter::AllPages); // the chosen range is ignored
    EXPECT_TRUE(probe.pageRanges().isEmpty());
    copies = probe.copyCount();
    EXPECT_EQ(copies, 2);
    Find<QPushButton>("printListButton")->click();
    EXPECT_TRUE(Shown().empty()) << ShownTexts().front();
    EXPECT_EQ(exe->Read("out.pdf").rfind("%PDF", 0), 0u);
}

TEST(EditorLines, FinalBreakAddsNoLineAndEmptyTextHasNone)
{
    EXPECT_EQ(ov::EditorLines(""), QStringList());
    EXPECT_EQ(ov::EditorLines("a\n\nb\n"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(ov::EditorLines("\n"), (QStringList{""}));
}
