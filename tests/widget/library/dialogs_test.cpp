#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "library/ui/messagespage.h"
#include "library/ui/listdialogs.h"
#include "ui/widgetsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

using ov::MsgKind;
using ov::MsgResult;

class Dialogs : public ovtest::WindowTest {
protected:
    void TearDown() override
    {
        ListDialog::SetSeam({});
        WindowTest::TearDown();
    }
    MessagesPage& Page() { return *Find<MessagesPage>(); }
    std::vector<std::string> Pool()
    {
        std::vector<std::string> out;
        for (size_t i = 0; i < Find<MessagesPage>()->Phrases().Count(); ++i) out.emplace_back(Find<MessagesPage>()->Phrases()[i]);
        return out;
    }
    std::vector<std::string> FilesOf(const std::string& folder)
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(exe->Path(folder)))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The user types names into the new-list dialog and presses Save after
    // each; the dialog's answer is returned by Execute.
    void TypeNames(std::vector<QString> names, bool cancelAtEnd = false)
    {
        ListDialog::SetSeam([names, cancelAtEnd](QDialog& d) {
            EXPECT_TRUE(ovtest::Child<QLineEdit>(&d, "nameEdit")->text().isEmpty()); // each showing starts fresh
            for (const QString& n : names) {
                ovtest::Child<QLineEdit>(&d, "nameEdit")->setText(n);
                ovtest::Child<QPushButton>(&d, "saveButton")->click();
            }
            if (cancelAtEnd) ovtest::Child<QPushButton>(&d, "cancelButton")->click();
        });
    }
    // The user picks the named list in the delete dialog and presses Delete.
    void PickForDeletion(const QString& name)
    {
        ListDialog::SetSeam([name](QDialog& d) {
            const auto found = ovtest::Child<QListWidget>(&d, "lists")->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            ovtest::Child<QListWidget>(&d, "lists")->setCurrentItem(found.front());
            ovtest::Child<QPushButton>(&d, "deleteButton")->click();
        });
    }
};

TEST_F(Dialogs, NewListAppearsUntickedInItsAlphabeticalPlace)
{
    exe->MakeCategory("Cat", {{"bravo", "b"}, {"Delta", "d"}});
    MakeMain();
    EXPECT_EQ(newListDialog->windowTitle(), "New Phrase List");
    EXPECT_EQ(newListDialog->size(), QSize(315, 98));
    ovtest::Child<QLineEdit>(newListDialog, "nameEdit")->setText("left over");
    TypeNames({"charlie"});
    Find<QPushButton>("newListButton")->click();
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{"bravo", "charlie", "Delta"}));
    EXPECT_TRUE(Page().Ticked(0));
    EXPECT_FALSE(Page().Ticked(1));
    EXPECT_EQ(exe->Read("Affirmations/Cat/charlie.txt"), "");
    EXPECT_EQ(Pool(), (std::vector<std::string>{"b"}));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Dialogs, ExistingNameKeepsItsPhrasesAndEmptyNameIsReported)
{
    exe->MakeCategory("Cat", {{"Calm", "keep"}});
    MakeMain();
    TypeNames({"CALM"});
    Find<QPushButton>("newListButton")->click();
    EXPECT_EQ(exe->Read("Affirmations/Cat/Calm.txt"), "keep");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Information);
    EXPECT_NE(Shown()[0].text.find("already exists"), std::string::npos);
    TypeNames({""});
    Find<QPushButton>("newListButton")->click();
    EXPECT_EQ(ShownTexts().back(), "You must enter a name for the new list");
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"Calm.txt"}));
}

TEST_F(Dialogs, WithoutAnyCategoryANewListIsRefusedAndNothingCreated)
{
    MakeMain();
    TypeNames({"orphan"});
    Find<QPushButton>("newListButton")->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("category"), std::string::npos);
    EXPECT_TRUE(FilesOf("Affirmations").empty());
}

TEST_F(Dialogs, NamesLeavingTheFolderAreRefusedAndCreateNothing)
{
    exe->MakeCategory("Cat", {{"a", "x"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0); // a reload would empty the editor
    TypeNames({"sub/name", "..", "../escape"}, true);
    Find<QPushButton>("newListButton")->click();
    ASSERT_EQ(Shown().size(), 3u);
    for (const auto& m : Shown()) {
        EXPECT_EQ(m.kind, MsgKind::Error);
        EXPECT_NE(m.text.find("cannot be used"), std::string::npos) << m.text;
    }
    EXPECT_NE(Shown()[0].text.find("\"/\""), std::string::npos);
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"a.txt"}));
    EXPECT_EQ(FilesOf("Affirmations"), (std::vector<std::string>{"Cat"}));
    EXPECT_EQ(Page().EditorText(), "x"); // stayed open, then Cancel: no reload
}

TEST_F(Dialogs, CancelCreatesNothingAndDoesNotReloadButDeleteCancelReloads)
{
    exe->MakeCategory("Cat", {{"a", "x"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    ListDialog::SetSeam([](QDialog& d) {
        ovtest::Child<QLineEdit>(&d, "nameEdit")->setText("typed");
        ovtest::Child<QPushButton>(&d, "cancelButton")->click();
    });
    Find<QPushButton>("newListButton")->click();
    EXPECT_EQ(Page().EditorText(), "x");
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"a.txt"}));
    ListDialog::SetSeam([](QDialog& d) { ovtest::Child<QPushButton>(&d, "cancelButton")->click(); });
    Find<QPushButton>("deleteListButton")->click();
    EXPECT_EQ(Page().EditorText(), "");
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"a.txt"}));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Dialogs, UnsavedTicksSurviveCreatingAndDeletingAListAndNamesAreTheBytesOnDisk)
{
    exe->MakeCategory("Cat", {{"a", "x"}, {"b", "y"}, {"r\xE9sum\xE9", "z"}});
    MakeMain();
    QListWidget* lists = Find<QListWidget>("phraseLists");
    lists->item(1)->setCheckState(Qt::Checked); // the user ticks b
    TypeNames({"c"});
    Find<QPushButton>("newListButton")->click();
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{"a", "b", "c", "r\xE9sum\xE9"}));
    EXPECT_TRUE(Page().Ticked(1));
    EXPECT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());
    // A name that is not UTF-8 shows readably and is deleted under its own bytes.
    EXPECT_EQ(lists->item(3)->text(), QString::fromUtf8("r\u00e9sum\u00e9"));
    PickForDeletion(QString::fromUtf8("r\u00e9sum\u00e9"));
    Answer(MsgResult::Yes);
    Find<QPushButton>("deleteListButton")->click();
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
    EXPECT_TRUE(Page().Ticked(1));
    EXPECT_TRUE(Find<MessagesPage>()->HasUnsavedChanges());
}

TEST_F(Dialogs, DeleteAsksAndOnlyYesDeletes)
{
    exe->MakeCategory("Cat", {{"a", "x"}, {"b", "y"}});
    exe->Write("Affirmations/Cat/.hidden.txt", "h");
    MakeMain();
    EXPECT_EQ(deleteListDialog->windowTitle(), "Delete Phrase List");
    QStringList offered;
    ListDialog::SetSeam([&](QDialog& d) {
        auto* lists = ovtest::Child<QListWidget>(&d, "lists");
        auto* deleteButton = ovtest::Child<QPushButton>(&d, "deleteButton");
        for (int i = 0; i < lists->count(); ++i) offered << lists->item(i)->text();
        deleteButton->click(); // nothing selected: the dialog stays open
        EXPECT_EQ(d.result(), QDialog::Rejected);
        lists->setCurrentRow(int(offered.indexOf("b")));
        deleteButton->click();
    });
    Answer(MsgResult::Ok); // the error box
    Answer(MsgResult::No);
    Find<QPushButton>("deleteListButton")->click();
    EXPECT_TRUE(offered.contains(".hidden"));
    EXPECT_EQ(offered.size(), 3);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].text, "You must select a file for deletion");
    EXPECT_EQ(Shown()[1].kind, MsgKind::Confirm);
    EXPECT_EQ(Shown()[1].caption, "Delete Phrase List");
    EXPECT_EQ(Shown()[1].text, "Are you sure you wish to delete this list?");
    EXPECT_EQ(FilesOf("Affirmations/Cat").size(), 3u);
    offered.clear();
    Answer(MsgResult::Ok);
    Answer(MsgResult::Yes);
    Find<QPushButton>("deleteListButton")->click();
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{".hidden.txt", "a.txt"}));
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{".hidden", "a"}));
}

TEST_F(Dialogs, DeletingTheEditedListEmptiesTheEditorAndTheLastListKeepsThePool)
{
    exe->MakeCategory("Cat", {{"only", "p1\np2"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    Find<QPlainTextEdit>("phraseEditor")->setPlainText("typed, about to be deleted");
    PickForDeletion("only");
    Answer(MsgResult::Yes);
    Find<QPushButton>("deleteListButton")->click();
    EXPECT_EQ(Page().EditorText(), "");
    EXPECT_TRUE(Page().ListNames().empty());
    EXPECT_EQ(Pool(), (std::vector<std::string>{"p1", "p2"}));
    EXPECT_EQ(Shown().size(), 1u); // only the question: the deleted list's edits go with it
    EXPECT_EQ(FilesOf("Affirmations/Cat"), std::vector<std::string>{});
}

TEST_F(Dialogs, EditsOfAnotherListAreOfferedForSavingBeforeTheReload)
{
    exe->MakeCategory("Cat", {{"a", "x"}, {"b", "y"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    Find<QPlainTextEdit>("phraseEditor")->setPlainText("edited");
    TypeNames({"c"});
    Answer(MsgResult::Yes);
    Find<QPushButton>("newListButton")->click();
    EXPECT_EQ(exe->Read("Affirmations/Cat/a.txt"), "edited");
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{"a", "b", "c"}));
}

// The page stands alone: before the main window hands it
// the dialogs their buttons do nothing, and without the settings hooks a
// change of category still completes.
TEST_F(Dialogs, APageWithoutItsDialogsIgnoresTheirButtons)
{
    exe->MakeCategory("A", {{"a", "x"}});
    exe->MakeCategory("B", {{"b", "y"}});
    MessagesPage page;
    page.LoadCategories(true);
    page.SetReady();
    ovtest::Child<QPushButton>(&page, "newListButton")->click();
    ovtest::Child<QPushButton>(&page, "deleteListButton")->click();
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(FilesOf("Affirmations/A"), std::vector<std::string>{"a.txt"});
    page.SelectCategory(1);
    EXPECT_EQ(page.LoadedCategory(), "B");
    EXPECT_EQ(page.ListNames(), std::vector<std::string>{"b"});
    EXPECT_EQ(page.Phrases().Count(), 1u);
}
