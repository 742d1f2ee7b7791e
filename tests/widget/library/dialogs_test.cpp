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
    MessagesPage& Page() { return *main->messagesPage_; }
    std::vector<std::string> Pool()
    {
        std::vector<std::string> out;
        for (size_t i = 0; i < main->state_.Pool.Count(); ++i) out.emplace_back(main->state_.Pool[i]);
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
            auto& f = static_cast<NewListDialog&>(d);
            EXPECT_TRUE(f.nameEdit_->text().isEmpty()); // each showing starts fresh
            for (const QString& n : names) {
                f.nameEdit_->setText(n);
                f.saveButton_->click();
            }
            if (cancelAtEnd) f.cancelButton_->click();
        });
    }
    // The user picks the named list in the delete dialog and presses Delete.
    void PickForDeletion(const QString& name)
    {
        ListDialog::SetSeam([name](QDialog& d) {
            auto& f = static_cast<DeleteListDialog&>(d);
            const auto found = f.lists_->findItems(name, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            f.lists_->setCurrentItem(found.front());
            f.deleteButton_->click();
        });
    }
};

TEST_F(Dialogs, NewListAppearsUntickedInItsAlphabeticalPlace)
{
    exe->MakeCategory("Cat", {{"bravo", "b"}, {"Delta", "d"}});
    MakeMain();
    EXPECT_EQ(newListDialog->windowTitle(), "New Phrase List");
    EXPECT_EQ(newListDialog->size(), QSize(315, 98));
    newListDialog->nameEdit_->setText("left over");
    TypeNames({"charlie"});
    Page().newListButton_->click();
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
    Page().newListButton_->click();
    EXPECT_EQ(exe->Read("Affirmations/Cat/Calm.txt"), "keep");
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Information);
    EXPECT_NE(Shown()[0].text.find("already exists"), std::string::npos);
    TypeNames({""});
    Page().newListButton_->click();
    EXPECT_EQ(ShownTexts().back(), "You must enter a name for the new list");
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"Calm.txt"}));
}

TEST_F(Dialogs, WithoutAnyCategoryANewListIsRefusedAndNothingCreated)
{
    MakeMain();
    TypeNames({"orphan"});
    Page().newListButton_->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("category"), std::string::npos);
    EXPECT_TRUE(FilesOf("Affirmations").empty());
}

TEST_F(Dialogs, NamesLeavingTheFolderAreRefusedAndCreateNothing)
{
    exe->MakeCategory("Cat", {{"a", "x"}});
    MakeMain();
    Page().phraseLists_->setCurrentRow(0); // a reload would empty the editor
    TypeNames({"sub/name", "..", "../escape"}, true);
    Page().newListButton_->click();
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
    Page().phraseLists_->setCurrentRow(0);
    ListDialog::SetSeam([](QDialog& d) {
        auto& f = static_cast<NewListDialog&>(d);
        f.nameEdit_->setText("typed");
        f.cancelButton_->click();
    });
    Page().newListButton_->click();
    EXPECT_EQ(Page().EditorText(), "x");
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"a.txt"}));
    ListDialog::SetSeam([](QDialog& d) { static_cast<DeleteListDialog&>(d).cancelButton_->click(); });
    Page().deleteListButton_->click();
    EXPECT_EQ(Page().EditorText(), "");
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{"a.txt"}));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(Dialogs, DeleteAsksAndOnlyYesDeletes)
{
    exe->MakeCategory("Cat", {{"a", "x"}, {"b", "y"}});
    exe->Write("Affirmations/Cat/.hidden.txt", "h");
    MakeMain();
    EXPECT_EQ(deleteListDialog->windowTitle(), "Delete Phrase List");
    QStringList offered;
    ListDialog::SetSeam([&](QDialog& d) {
        auto& f = static_cast<DeleteListDialog&>(d);
        for (int i = 0; i < f.lists_->count(); ++i) offered << f.lists_->item(i)->text();
        f.deleteButton_->click(); // nothing selected: the dialog stays open
        EXPECT_EQ(f.result(), QDialog::Rejected);
        f.lists_->setCurrentRow(int(offered.indexOf("b")));
        f.deleteButton_->click();
    });
    Answer(MsgResult::Ok); // the error box
    Answer(MsgResult::No);
    Page().deleteListButton_->click();
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
    Page().deleteListButton_->click();
    EXPECT_EQ(FilesOf("Affirmations/Cat"), (std::vector<std::string>{".hidden.txt", "a.txt"}));
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{".hidden", "a"}));
}

TEST_F(Dialogs, DeletingTheEditedListEmptiesTheEditorAndTheLastListKeepsThePool)
{
    exe->MakeCategory("Cat", {{"only", "p1\np2"}});
    MakeMain();
    Page().phraseLists_->setCurrentRow(0);
    Page().phraseEditor_->setPlainText("typed, about to be deleted");
    PickForDeletion("only");
    Answer(MsgResult::Yes);
    Page().deleteListButton_->click();
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
    Page().phraseLists_->setCurrentRow(0);
    Page().phraseEditor_->setPlainText("edited");
    TypeNames({"c"});
    Answer(MsgResult::Yes);
    Page().newListButton_->click();
    EXPECT_EQ(exe->Read("Affirmations/Cat/a.txt"), "edited");
    EXPECT_EQ(Page().ListNames(), (std::vector<std::string>{"a", "b", "c"}));
}
