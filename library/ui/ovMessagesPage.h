#pragma once
#include "library/ovCategoryStore.h"

#include <QObject>
#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QPoint;
class TMainFrm;

// The Messages page: the category box, the ticked lists, the editor, and
// the operations that load categories and build the phrase pool.
class TMessagesPage : public QObject {
    Q_OBJECT
public:
    explicit TMessagesPage(TMainFrm& frm);

    QLabel* Label4 = nullptr;
    QComboBox* DirList = nullptr;
    QLabel* lbl_sub = nullptr;
    QListWidget* AffirmList = nullptr;
    QPushButton* btn_SubNew = nullptr;
    QPushButton* Button4 = nullptr;
    QLabel* lbl_SubMsg = nullptr;
    QPlainTextEdit* MsgList = nullptr;
    QPushButton* MsgPrint = nullptr;
    QPushButton* btn_SaveMsgs = nullptr;

    void LoadCategories(bool loadLists);
    void LoadCategoryLists();
    void RestoreTicks();
    void SaveTicksAndEditor();
    void BuildPhrasePool();
    int CountTickedLists() const;

    void DirListChange();
    void AffirmListClickCheck();
    void AffirmListMouseUp(const QPoint& pos);
    void MsgListChange();

    std::string DirListText() const;
    int DirListIndex() const;
    void SelectCategory(int index); // as the user would, running DirListChange
    std::vector<std::string> ListNames() const;
    bool Ticked(int index) const;
    void SetTicked(int index, bool ticked); // without counting as a user change
    // Replaces the editor's text; the change handler runs only when it differs.
    void SetEditorText(const std::string& text);
    std::string EditorText() const; // the editor's text with CR LF line breaks
    void ClearEditor();             // emptying is not a change of the text

    // The editor, printing and the list dialogs (ovMessageEditor.cpp).
    void AffirmListClick();
    void btn_SaveMsgsClick();
    void MsgPrintClick();
    void EditPlugins1Click();
    void Delete1Click();

private:
    void WireEditor();
    void OfferToSaveEditorEdits();
    std::string editorPath_;    // the file the editor's text was loaded from
    bool editorEdited_ = false; // typed into since it was loaded or saved
    bool loadingEditor_ = false;
    bool editorLatin1_ = false; // the loaded list is not UTF-8: keep its bytes
    QString EditorDecode(const std::string& bytes); // sets editorLatin1_
    void FillLists(const std::vector<std::string>& names);
    TMainFrm& frm_;
    bool quietEditor_ = false;
    // Lists that failed to read and bad tick lines already told to the user.
    ov::ReportMemory listReports_;
    ov::ReportMemory tickReports_;
};
