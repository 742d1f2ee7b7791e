#pragma once
#include "library/categorystore.h"

#include <QObject>
#include <QString>
#include <exception>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QPoint;
class MainWindow;

// The Messages page: the category box, the ticked lists, the editor, and
// the operations that load categories and build the phrase pool.
class MessagesPage : public QObject {
    Q_OBJECT
public:
    explicit MessagesPage(MainWindow& window);

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

    void LoadCategories(bool loadLists);
    void LoadCategoryLists();
    void RestoreTicks();
    void SaveTicksAndEditor();
    void BuildPhrasePool();
    int CountTickedLists() const;

    void onCategoryChanged();
    void onTickChanged();
    void onListsMouseUp(const QPoint& pos);
    void onEditorChanged();

    std::string CurrentCategory() const;
    int CurrentCategoryIndex() const;
    void SelectCategory(int index); // as the user would, running onCategoryChanged
    std::vector<std::string> ListNames() const;
    bool Ticked(int index) const;
    void SetTicked(int index, bool ticked); // without counting as a user change
    // Replaces the editor's text; the change handler runs only when it differs.
    void SetEditorText(const std::string& text);
    std::string EditorText() const; // the editor's text with CR LF line breaks
    void ClearEditor();             // emptying is not a change of the text

    // The editor, printing and the list dialogs (messagespage_editor.cpp).
    void onListChosen();
    void onSaveMessages();
    void onPrintList();
    void onNewList();
    void onDeleteList();

private:
    enum class ListsLoad { NoCategories, FolderGone, Empty, Loaded };
    // LoadCategoryLists without the throw: an error met after the page was
    // refilled (tick record, unreadable list) is handed back in `late` once
    // the page holds the category whole.
    ListsLoad ReadCategoryLists(std::exception_ptr& late);
    void SelectQuietly(int index);
    int CategoryIndex(const std::string& name) const;
    void WireEditor();
    void OfferToSaveEditorEdits();
    std::string editorPath_;    // the file the editor's text was loaded from
    bool editorEdited_ = false; // typed into since it was loaded or saved
    bool loadingEditor_ = false;
    bool editorLatin1_ = false; // the loaded list is not UTF-8: keep its bytes
    QString EditorDecode(const std::string& bytes); // sets editorLatin1_
    void FillLists(const std::vector<std::string>& names);
    MainWindow& window_;
    bool quietEditor_ = false;
    // Lists that failed to read and bad tick lines already told to the user.
    ov::ReportMemory listReports_;
    ov::ReportMemory tickReports_;
};
