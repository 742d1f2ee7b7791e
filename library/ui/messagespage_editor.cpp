// The Messages page's editor: loading a list, saving it, printing it, and
// the dialogs that create and delete lists.
#include "app/sharedstate.h"
#include "library/categorystore.h"
#include "library/listfiles.h"
#include "library/ui/messagespage.h"
#include "library/ui/listdialogs.h"
#include "library/ui/print.h"
#include "platform/error.h"
#include "platform/text.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"

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
        if (editorEdited_ || editorPath_ != ov::ListPath(CurrentCategory(), S(item->text())))
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
    if (ov::MessageBox::Show(ov::MsgKind::Confirm,
                             "The selected messages have changed.\r\nDo you wish to save the changes?", window())
        == ov::MsgResult::Yes)
        ov::SaveListText(editorPath_, EditorText());
    editorEdited_ = false;
}

void MessagesPage::onListChosen()
{
    if (phraseLists_->count() == 0) return;
    if (phraseLists_->currentRow() < 0) {
        const QSignalBlocker block(phraseLists_);
        phraseLists_->setCurrentRow(0);
    }
    const QString name = phraseLists_->currentItem()->text();
    const std::string path = ov::ListPath(CurrentCategory(), S(name));
    std::string text;
    bool changes = false;
    try {
        text = ov::LoadEditorText(path);
        changes = text != EditorText();
        if (changes) OfferToSaveEditorEdits();
    } catch (const ov::OvError&) {
        // The editor keeps its text; keep the selection on the list it
        // belongs to, so that Save cannot write it into another list.
        const QSignalBlocker block(phraseLists_);
        int row = -1;
        for (int i = 0; i < phraseLists_->count() && !editorPath_.empty(); ++i)
            if (ov::ListPath(CurrentCategory(), S(phraseLists_->item(i)->text())) == editorPath_) row = i;
        phraseLists_->setCurrentRow(row);
        throw;
    }
    if (changes) {
        const WaitCursor wait; // a large list takes a moment to lay out
        QString q = EditorDecode(text);
        q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        loadingEditor_ = true;
        phraseEditor_->setPlainText(q); // the change sets MessagesDirty
        loadingEditor_ = false;
    }
    editorPath_ = path;
    editorEdited_ = false;
    editorLabel_->setText(QStringLiteral("Subliminal Messages Editor for:  ") + name);
}

void MessagesPage::onSaveMessages()
{
    if (phraseLists_->currentRow() < 0) {
        ov::MessageBox::Show(ov::MsgKind::Error, "You must select a list to save the messages to", window());
        return;
    }
    const std::string path = ov::ListPath(CurrentCategory(), S(phraseLists_->currentItem()->text()));
    {
        const WaitCursor wait;
        ov::SaveListText(path, EditorText());
        SaveTicksAndEditor();
    }
    editorPath_ = path;
    editorEdited_ = false;
    ov::MessageBox::Show(ov::MsgKind::Information, "Messages Saved Successfully", window());
    state_.MessagesDirty = false;
}

void MessagesPage::onPrintList()
{
    if (phraseLists_->currentRow() < 0) {
        ov::MessageBox::Show(ov::MsgKind::Error, "You must select a list to print the messages", window());
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
        throw ov::OvError(ov::Format("The list could not be printed on \"%s\".", S(printer.printerName()).c_str()));
}

void MessagesPage::onNewList()
{
    if (!newListDialog_) return;
    newListDialog_->Category = CurrentCategory();
    if (newListDialog_->Execute(window()) != QDialog::Accepted) return;
    OfferToSaveEditorEdits();
    LoadCategories(true);
}

void MessagesPage::onDeleteList()
{
    if (!deleteListDialog_) return;
    deleteListDialog_->Category = CurrentCategory();
    deleteListDialog_->Execute(window());
    // Edits of a list that was just deleted are meant to go with it.
    if (ov::FileExists(editorPath_)) OfferToSaveEditorEdits();
    LoadCategories(true);
}
