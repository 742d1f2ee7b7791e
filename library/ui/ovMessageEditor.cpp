// The Messages page's editor: loading a list, saving it, printing it, and
// the dialogs that create and delete lists.
#include "app/ui/ovForms.h"
#include "platform/ovText.h"
#include "app/ui/ovMain.h"
#include "library/ovCategoryStore.h"
#include "library/ovListFiles.h"
#include "library/ui/ovMessagesPage.h"
#include "library/ui/ovPhraseDialogs.h"
#include "library/ui/ovPrint.h"
#include "platform/ovError.h"
#include "platform/ovUtils.h"
#include "platform/ui/ovMessageBox.h"

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

void TMessagesPage::WireEditor()
{
    connect(AffirmList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0) ov::Guarded([this] { AffirmListClick(); });
    });
    // A click on the list already loaded and untouched would only read the
    // file again; the row change has loaded any other list.
    connect(AffirmList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (editorEdited_ || editorPath_ != ov::ListPath(DirListText(), S(item->text())))
            ov::Guarded([this] { AffirmListClick(); });
    });
    connect(MsgList, &QPlainTextEdit::textChanged, this, [this] {
        if (!quietEditor_ && !loadingEditor_) editorEdited_ = true;
    });
    connect(btn_SaveMsgs, &QPushButton::clicked, this, [this] { ov::Guarded([this] { btn_SaveMsgsClick(); }); });
    connect(MsgPrint, &QPushButton::clicked, this, [this] { ov::Guarded([this] { MsgPrintClick(); }); });
    connect(btn_SubNew, &QPushButton::clicked, this, [this] { ov::Guarded([this] { EditPlugins1Click(); }); });
    connect(Button4, &QPushButton::clicked, this, [this] { ov::Guarded([this] { Delete1Click(); }); });
}

// Typed changes would be lost when the editor is refilled: offer to save
// them to the file they came from first. A failed save ends the caller.
void TMessagesPage::OfferToSaveEditorEdits()
{
    if (!editorEdited_ || editorPath_.empty()) return;
    if (ov::MessageBox::Show(ov::MsgKind::Confirm,
                             "The selected messages have changed.\r\nDo you wish to save the changes?", &frm_)
        == ov::MsgResult::Yes)
        ov::SaveListText(editorPath_, EditorText());
    editorEdited_ = false;
}

void TMessagesPage::AffirmListClick()
{
    if (AffirmList->count() == 0) return;
    if (AffirmList->currentRow() < 0) {
        const QSignalBlocker block(AffirmList);
        AffirmList->setCurrentRow(0);
    }
    const QString name = AffirmList->currentItem()->text();
    const std::string path = ov::ListPath(DirListText(), S(name));
    std::string text;
    bool changes = false;
    try {
        text = ov::LoadEditorText(path);
        changes = text != EditorText();
        if (changes) OfferToSaveEditorEdits();
    } catch (const ov::OvError&) {
        // The editor keeps its text; keep the selection on the list it
        // belongs to, so that Save cannot write it into another list.
        const QSignalBlocker block(AffirmList);
        int row = -1;
        for (int i = 0; i < AffirmList->count() && !editorPath_.empty(); ++i)
            if (ov::ListPath(DirListText(), S(AffirmList->item(i)->text())) == editorPath_) row = i;
        AffirmList->setCurrentRow(row);
        throw;
    }
    if (changes) {
        const WaitCursor wait; // a large list takes a moment to lay out
        QString q = EditorDecode(text);
        q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        loadingEditor_ = true;
        MsgList->setPlainText(q); // the change sets MessagesDirty
        loadingEditor_ = false;
    }
    editorPath_ = path;
    editorEdited_ = false;
    lbl_SubMsg->setText(QStringLiteral("Subliminal Messages Editor for:  ") + name);
}

void TMessagesPage::btn_SaveMsgsClick()
{
    if (AffirmList->currentRow() < 0) {
        ov::MessageBox::Show(ov::MsgKind::Error, "You must select a list to save the messages to", &frm_);
        return;
    }
    const std::string path = ov::ListPath(DirListText(), S(AffirmList->currentItem()->text()));
    {
        const WaitCursor wait;
        ov::SaveListText(path, EditorText());
        SaveTicksAndEditor();
    }
    editorPath_ = path;
    editorEdited_ = false;
    ov::MessageBox::Show(ov::MsgKind::Information, "Messages Saved Successfully", &frm_);
    frm_.State.MessagesDirty = false;
}

void TMessagesPage::MsgPrintClick()
{
    if (AffirmList->currentRow() < 0) {
        ov::MessageBox::Show(ov::MsgKind::Error, "You must select a list to print the messages", &frm_);
        return;
    }
    const QString title = AffirmList->currentItem()->text();
    QPrinter printer(QPrinter::HighResolution);
    if (!ov::RunPrintDialog(printer, &frm_)) return;
    QFont font = MsgList->font();
    if (font.pointSizeF() <= 0) font.setPointSizeF(QFontInfo(font).pointSizeF());
    QString text = MsgList->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const WaitCursor wait;
    if (!ov::PrintLinesOnePage(printer, title, ov::EditorLines(text), font,
                               MsgList->palette().color(QPalette::Text)))
        throw ov::OvError(ov::Format("The list could not be printed on \"%s\".", S(printer.printerName()).c_str()));
}

void TMessagesPage::EditPlugins1Click()
{
    PhraseEditFrm->Category = DirListText();
    if (PhraseEditFrm->Execute(&frm_) != QDialog::Accepted) return;
    OfferToSaveEditorEdits();
    LoadCategories(true);
}

void TMessagesPage::Delete1Click()
{
    DelFrm->Category = DirListText();
    DelFrm->Execute(&frm_);
    // Edits of a list that was just deleted are meant to go with it.
    if (ov::FileExists(editorPath_)) OfferToSaveEditorEdits();
    LoadCategories(true);
}
