// The Messages page's editor: loading a list, saving it, printing it, and
// the dialogs that create and delete lists.
#include "library/libraryfolders.h"
#include "library/listfiles.h"
#include "library/ui/messagespage.h"
#include "library/ui/listdialogs.h"
#include "library/ui/messagesquestion.h"
#include "library/ui/print.h"
#include "platform/error.h"
#include "platform/text.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"
#include "platform/translate.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
using ov::Q;
using ov::S;

struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};
} // namespace

void MessagesPage::SetDialogs(NewListDialog* newList, DeleteListDialog* deleteList)
{
    newListDialog_ = newList;
    deleteListDialog_ = deleteList;
}

void MessagesPage::WireEditor()
{
    connect(phraseLists_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) ov::Guarded([this] { onListChosen(); });
    });
    // A click on the list already loaded and untouched would only read the
    // file again; the row change has loaded any other list.
    connect(phraseLists_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (editorEdited_ || editorPath_ != ov::ListPath(CurrentCategory(), ListName(phraseLists_->row(item))))
            ov::Guarded([this] { onListChosen(); });
    });
    connect(phraseEditor_, &QPlainTextEdit::textChanged, this, [this] {
        if (!quietEditor_ && !loadingEditor_) editorEdited_ = true;
    });
    connect(saveMessagesButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onSaveMessages(); }); });
    connect(printListButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onPrintList(); }); });
    connect(newListButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onNewList(); }); });
    connect(deleteListButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onDeleteList(); }); });
}

// Typed changes would be lost when the editor is refilled: offer to save
// them to the file they came from first. A failed save ends the caller.
void MessagesPage::OfferToSaveEditorEdits()
{
    if (!editorEdited_ || editorPath_.empty()) return;
    if (ov::AskToSaveChangedMessages(window()))
        SaveEditorToItsFile();
    editorEdited_ = false;
}

bool MessagesPage::SaveEditorToItsFile()
{
    if (editorPath_.empty()) return false;
    if (!editorReadOnly_.empty())
        throw ov::OvError(ov::Format(ov::Tr("MessagesPage", "The list \"%s\" cannot be saved from the editor: %s."),
                                     editorPath_.c_str(), editorReadOnly_.c_str()));
    if (ov::FileStamp(editorPath_) != editorStamp_) {
        const bool overwrite =
            ov::MessageBox::Show(ov::MsgKind::Confirm,
                                 ov::Format(ov::Tr("MessagesPage",
                                                   "The list \"%s\" was changed by another program after it was opened here.\r\n"
                                                   "Do you wish to overwrite it with the text in the editor?\r\n"
                                                   "(No loads the list as it is now; the text in the editor is not saved.)"),
                                            editorPath_.c_str()),
                                 window())
            == ov::MsgResult::Yes;
        if (SessionEnded()) return false; // the session ended during the question: nothing is written
        if (!overwrite) {
            const std::string path = editorPath_;
            editorEdited_ = false;
            QListWidgetItem* item = phraseLists_->currentItem();
            if (ov::FileExists(path)) ShowList(ov::LoadListText(path), item ? item->text() : QString(), path);
            return false;
        }
    }
    ov::SaveListText(editorPath_, EditorText());
    editorStamp_ = ov::FileStamp(editorPath_);
    editorEdited_ = false;
    return true;
}

void MessagesPage::ShowList(const ov::ListText& list, const QString& name, const std::string& path)
{
    if (list.text != EditorRawText()) {
        const WaitCursor wait; // a large list takes a moment to lay out
        loadingEditor_ = true;
        phraseEditor_->setPlainText(list.text);
        loadingEditor_ = false;
    }
    editorPath_ = path;
    editorFormat_ = list.format;
    editorStamp_ = ov::FileStamp(path);
    editorReadOnly_ = list.readOnlyReason;
    editorEdited_ = false;
    phraseEditor_->setReadOnly(!editorReadOnly_.empty());
    QString heading = tr("Subliminal Messages Editor for:  ") + name;
    if (!editorReadOnly_.empty()) heading += tr(" (read-only: %1)").arg(Q(editorReadOnly_));
    editorLabel_->setText(heading);
    phraseEditor_->setAccessibleDescription(editorReadOnly_.empty() ? QString() : heading);
}

void MessagesPage::onListChosen()
{
    if (phraseLists_->count() == 0) return;
    if (phraseLists_->currentRow() < 0) {
        const QSignalBlocker block(phraseLists_);
        phraseLists_->setCurrentRow(0);
    }
    const int row = phraseLists_->currentRow();
    const std::string path = ov::ListPath(CurrentCategory(), ListName(row));
    ov::ListText list;
    try {
        list = ov::LoadListText(path);
        if (list.text != EditorRawText() || path != editorPath_) OfferToSaveEditorEdits();
    } catch (const ov::OvError&) {
        // The editor keeps its text; keep the selection on the list it
        // belongs to, so that Save cannot write it into another list.
        const QSignalBlocker block(phraseLists_);
        int keep = -1;
        for (int i = 0; i < phraseLists_->count() && !editorPath_.empty(); ++i)
            if (ov::ListPath(CurrentCategory(), ListName(i)) == editorPath_) keep = i;
        phraseLists_->setCurrentRow(keep);
        throw;
    }
    ShowList(list, phraseLists_->item(row)->text(), path);
}

void MessagesPage::onSaveMessages()
{
    if (phraseLists_->currentRow() < 0) {
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Tr("MessagesPage", "You must select a list to save the messages to"), window());
        return;
    }
    const std::string path = ov::ListPath(CurrentCategory(), ListName(phraseLists_->currentRow()));
    bool written = true;
    {
        const WaitCursor wait;
        // Save writes the list shown, also when nothing was typed.
        if (path == editorPath_) written = SaveEditorToItsFile();
        else ov::SaveListText(path, EditorText());
        if (SessionEnded()) return;
        SaveTicksAndEditor();
    }
    if (written) ov::MessageBox::Show(ov::MsgKind::Information, ov::Tr("MessagesPage", "Messages Saved Successfully"), window());
    unsaved_ = false;
}

void MessagesPage::onPrintList()
{
    if (phraseLists_->currentRow() < 0) {
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Tr("MessagesPage", "You must select a list to print the messages"), window());
        return;
    }
    const QString title = phraseLists_->currentItem()->text();
    QPrinter printer(QPrinter::HighResolution);
    if (!ov::RunPrintDialog(printer, window())) return;
    QFont font = phraseEditor_->font();
    if (font.pointSizeF() <= 0) font.setPointSizeF(QFontInfo(font).pointSizeF());
    QString text = phraseEditor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const WaitCursor wait;
    if (!ov::PrintLinesOnePage(printer, title, ov::EditorLines(text), font,
                               phraseEditor_->palette().color(QPalette::Text)))
        throw ov::OvError(ov::Format(ov::Tr("MessagesPage", "The list could not be printed on \"%s\"."), S(printer.printerName()).c_str()));
}

void MessagesPage::ReloadKeepingTicks()
{
    const bool unsaved = unsaved_;
    const std::map<std::string, bool> ticks = TickStates();
    LoadCategories(true);
    if (!unsaved) return;
    ApplyTickStates(ticks);
    unsaved_ = true;
}

void MessagesPage::onNewList()
{
    if (!newListDialog_) return;
    newListDialog_->Category = CurrentCategory();
    if (newListDialog_->Execute(window()) != QDialog::Accepted) return;
    OfferToSaveEditorEdits();
    ReloadKeepingTicks();
}

void MessagesPage::onDeleteList()
{
    if (!deleteListDialog_) return;
    deleteListDialog_->Category = CurrentCategory();
    deleteListDialog_->Execute(window());
    // Edits of a list that was just deleted are meant to go with it.
    if (ov::FileExists(editorPath_)) OfferToSaveEditorEdits();
    ReloadKeepingTicks();
}
