#pragma once
#include "library/categorystore.h"
#include "library/listfiles.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QPoint;
class NewListDialog;
class DeleteListDialog;
namespace ov {
struct SharedState;
class IniDoc;
}

// The Messages page: the category box, the ticked lists, the editor, and
// the operations that load categories and build the phrase pool.
class MessagesPage : public QWidget {
    Q_OBJECT
public:
    explicit MessagesPage(ov::SharedState& state, QWidget* parent = nullptr);

    // The dialogs that create and delete lists; until set, those buttons do nothing.
    void SetDialogs(NewListDialog* newList, DeleteListDialog* deleteList);
    // The display settings travel with the category: on a change the old
    // one's are saved (false stops the change, the reason shown) and the new
    // one's loaded.
    void SetSettingsHooks(std::function<bool(const std::string&)> save,
                          std::function<void(const std::string&)> load, std::function<bool()> unsaved);
    // Changes of category count from now on: before, start-up fills the box.
    void SetReady();

    void LoadCategories(bool loadLists);
    // Selects the category at the stored place, or the first one, without
    // running the change of category.
    void SelectStoredCategory(const ov::IniDoc& doc);
    void LoadCategoryLists();
    void SaveTicksAndEditor();
    void BuildPhrasePool();
    int CountTickedLists() const;
    // Ticks the first list, if there is one, not as a user change.
    void TickFirstList();

    std::string CurrentCategory() const;
    int CurrentCategoryIndex() const;
    void SelectCategory(int index); // as the user would, running the change of category
    std::vector<std::string> ListNames() const;
    bool Ticked(int index) const;
    void SetTicked(int index, bool ticked); // without counting as a user change
    std::string EditorText() const;         // the bytes a save writes: the list's own encoding and line breaks
    void ClearEditor();                     // emptying is not a change of the text

private:
    enum class ListsLoad { NoCategories, FolderGone, Empty, Loaded };
    void BuildPage();
    void RestoreTicks();
    // The first list ticked and recorded for a category without ticks: a
    // tidy-up nobody asked for, so a failure is told once and stops nothing.
    void TickFirstAndRecord(std::exception_ptr& late);
    // The category's folder has gone: the box is refilled and the category
    // shown now (or another that exists) loaded, with one message.
    void RefillAfterFolderGone(const std::string& gone);
    std::string ListName(int row) const; // the name's bytes, as the folder has it
    std::map<std::string, bool> TickStates() const;
    void ApplyTickStates(const std::map<std::string, bool>& ticks);
    // LoadCategoryLists without the throw: an error met after the page was
    // refilled (tick record, unreadable list) is handed back in `late` once
    // the page holds the category whole.
    ListsLoad ReadCategoryLists(std::exception_ptr& late);
    void SelectQuietly(int index);
    int CategoryIndex(const std::string& name) const;
    void FillLists(const std::vector<std::string>& names);
    QString EditorRawText() const; // lines joined by '\n'

    void onCategoryChanged();
    void onTickChanged();
    void onListsMouseUp(const QPoint& pos);
    void onEditorChanged();

    // The editor, printing and the list dialogs (messagespage_editor.cpp).
    void WireEditor();
    void OfferToSaveEditorEdits();
    // Writes the editor's text to its file; when another program changed the
    // file since it was loaded, the user chooses: overwrite, or reload.
    bool SaveEditorToItsFile(); // false: not written (reloaded, or the session ended)
    void ShowList(const ov::ListText& list, const QString& name, const std::string& path);
    // Loads the lists again (after a list was created or deleted) keeping
    // ticks the user has not saved yet.
    void ReloadKeepingTicks();
    void onListChosen();
    void onSaveMessages();
    void onPrintList();
    void onNewList();
    void onDeleteList();

    ov::SharedState& state_;
    std::function<bool(const std::string&)> saveSettings_;
    std::function<void(const std::string&)> loadSettings_;
    std::function<bool()> settingsUnsaved_;
    QPointer<NewListDialog> newListDialog_;
    QPointer<DeleteListDialog> deleteListDialog_;
    bool ready_ = false;

    QLabel* categoryLabel_ = nullptr;
    QComboBox* categoryCombo_ = nullptr;
    QLabel* phraseListsLabel_ = nullptr;
    QListWidget* phraseLists_ = nullptr;
    QPushButton* newListButton_ = nullptr;
    QPushButton* deleteListButton_ = nullptr;
    QLabel* editorLabel_ = nullptr;
    QPlainTextEdit* phraseEditor_ = nullptr;
    QPushButton* printListButton_ = nullptr;
    QPushButton* saveMessagesButton_ = nullptr;

    std::string editorPath_;    // the file the editor's text was loaded from
    bool editorEdited_ = false; // typed into since it was loaded or saved
    bool loadingEditor_ = false;
    ov::ListFormat editorFormat_;   // how the loaded list is written back
    std::string editorStamp_;       // the file as it was loaded or last saved
    std::string editorReadOnly_;    // why the loaded list cannot be edited here
    bool quietEditor_ = false;
    // Lists that failed to read and bad tick lines already told to the user.
    ov::ReportMemory listReports_;
    ov::ReportMemory tickReports_;
    ov::ReportMemory runReports_; // told once per run
};
