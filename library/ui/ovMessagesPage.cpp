#include "library/ui/ovMessagesPage.h"
#include "platform/ovText.h"
#include "app/ui/ovMain.h"
#include "library/ovCategoryStore.h"
#include "library/ovListFiles.h"
#include "platform/ovError.h"
#include "platform/ovFiles.h"
#include "platform/ovUtils.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ovIniFile.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>

namespace {

using ov::Q;
using ov::S;

// Suspends a widget's painting for the life of the guard, on every path out.
struct NoRedraw {
    explicit NoRedraw(QWidget* w) : w_(w) { w_->setUpdatesEnabled(false); }
    ~NoRedraw() { w_->setUpdatesEnabled(true); }
    QWidget* w_;
};

// Turns a mouse release over the check-list into its tooltip update.
class MouseUpFilter : public QObject {
public:
    MouseUpFilter(TMessagesPage* page, QObject* parent) : QObject(parent), page_(page) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease)
            page_->AffirmListMouseUp(static_cast<QMouseEvent*>(e)->position().toPoint());
        return false;
    }
    TMessagesPage* page_;
};

} // namespace

TMessagesPage::TMessagesPage(TMainFrm& frm) : QObject(&frm), frm_(frm)
{
    QWidget* page = frm.Tab_Msgs;
    Label4 = new QLabel(QStringLiteral("Subliminal Category"), page);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setGeometry(8, 6, 94, 13);
    DirList = new QComboBox(page);
    DirList->setObjectName(QStringLiteral("DirList"));
    DirList->setEditable(false);
    DirList->setGeometry(8, 24, 180, 21);
    Label4->setBuddy(DirList);
    DirList->view()->setAccessibleName(QStringLiteral("Subliminal Category"));
    Label4->setMinimumWidth(Label4->sizeHint().width());

    lbl_sub = new QLabel(QStringLiteral("Subliminal Category Files"), page);
    lbl_sub->setObjectName(QStringLiteral("lbl_sub"));
    lbl_sub->setGeometry(8, 54, 118, 13);
    lbl_sub->setMinimumWidth(lbl_sub->sizeHint().width());
    AffirmList = new QListWidget(page);
    AffirmList->setObjectName(QStringLiteral("AffirmList"));
    AffirmList->setGeometry(6, 74, 180, 231);
    AffirmList->setSelectionMode(QAbstractItemView::SingleSelection);
    AffirmList->setStyleSheet(QStringLiteral("QListWidget { background: white; }"));
    AffirmList->setFont(TMainFrm::PageFont());
    AffirmList->setAccessibleName(QStringLiteral("Subliminal Category Files"));
    lbl_sub->setBuddy(AffirmList);

    btn_SubNew = new QPushButton(QStringLiteral("Create New Subliminal File"), page);
    btn_SubNew->setObjectName(QStringLiteral("btn_SubNew"));
    btn_SubNew->setGeometry(6, 314, 180, 17);
    Button4 = new QPushButton(QStringLiteral("Delete Subliminal File"), page);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(6, 338, 180, 17);

    lbl_SubMsg = new QLabel(QStringLiteral("Subliminal Messages Editor for:  "), page);
    lbl_SubMsg->setObjectName(QStringLiteral("lbl_SubMsg"));
    lbl_SubMsg->setGeometry(204, 6, 413, 13);
    MsgList = new QPlainTextEdit(page);
    MsgList->setObjectName(QStringLiteral("MsgList"));
    MsgList->setGeometry(204, 26, 413, 331);
    MsgList->setLineWrapMode(QPlainTextEdit::NoWrap);
    MsgList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MsgList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MsgList->setAccessibleName(QStringLiteral("Subliminal Messages Editor"));
    lbl_SubMsg->setBuddy(MsgList);
    MsgPrint = new QPushButton(QStringLiteral("Print"), page);
    MsgPrint->setObjectName(QStringLiteral("MsgPrint"));
    MsgPrint->setGeometry(496, 362, 57, 23);
    btn_SaveMsgs = new QPushButton(QStringLiteral("Save"), page);
    btn_SaveMsgs->setObjectName(QStringLiteral("btn_SaveMsgs"));
    btn_SaveMsgs->setGeometry(562, 362, 57, 23);

    // Tab order: AffirmList, btn_SubNew, btn_SaveMsgs, MsgList, MsgPrint,
    // DirList, Button4.
    QWidget::setTabOrder(AffirmList, btn_SubNew);
    QWidget::setTabOrder(btn_SubNew, btn_SaveMsgs);
    QWidget::setTabOrder(btn_SaveMsgs, MsgList);
    QWidget::setTabOrder(MsgList, MsgPrint);
    QWidget::setTabOrder(MsgPrint, DirList);
    QWidget::setTabOrder(DirList, Button4);

    connect(DirList, &QComboBox::currentIndexChanged, this, [this] { ov::Guarded([this] { DirListChange(); }); });
    connect(AffirmList, &QListWidget::itemChanged, this, [this] { AffirmListClickCheck(); });
    AffirmList->viewport()->installEventFilter(new MouseUpFilter(this, this));
    connect(MsgList, &QPlainTextEdit::textChanged, this, [this] { MsgListChange(); });
    WireEditor();
}

std::string TMessagesPage::DirListText() const { return DirList->currentIndex() < 0 ? std::string() : S(DirList->currentText()); }
int TMessagesPage::DirListIndex() const { return DirList->currentIndex(); }
void TMessagesPage::SelectCategory(int index) { DirList->setCurrentIndex(index); }

std::vector<std::string> TMessagesPage::ListNames() const
{
    std::vector<std::string> names;
    names.reserve(size_t(AffirmList->count()));
    for (int i = 0; i < AffirmList->count(); ++i) names.push_back(S(AffirmList->item(i)->text()));
    return names;
}

bool TMessagesPage::Ticked(int index) const { return AffirmList->item(index)->checkState() == Qt::Checked; }

void TMessagesPage::SetTicked(int index, bool ticked)
{
    const QSignalBlocker block(AffirmList);
    AffirmList->item(index)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    AffirmList->viewport()->update();
}

int TMessagesPage::CountTickedLists() const
{
    int n = 0;
    for (int i = 0; i < AffirmList->count(); ++i) n += Ticked(i) ? 1 : 0;
    return n;
}

QString TMessagesPage::EditorDecode(const std::string& bytes)
{
    // A list in another 8-bit encoding would lose its accented letters to
    // replacement characters on the way through the editor; Latin-1 maps
    // every byte to one character and back.
    editorLatin1_ = !ov::IsValidUtf8(bytes);
    return ov::TextOfBytes(bytes);
}

void TMessagesPage::SetEditorText(const std::string& text)
{
    const QString q = EditorDecode(text);
    if (MsgList->toPlainText() != QString(q).replace(QLatin1String("\r\n"), QLatin1String("\n")))
        MsgList->setPlainText(q);
}

std::string TMessagesPage::EditorText() const
{
    // The raw text: toPlainText() would turn no-break spaces into spaces.
    QString text = MsgList->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    if (editorLatin1_) {
        bool latin1 = true;
        for (const QChar c : text) latin1 = latin1 && c.unicode() <= 0xFF;
        // New characters Latin-1 cannot hold: the list becomes UTF-8 whole.
        if (latin1) return text.toLatin1().toStdString();
    }
    return text.toUtf8().toStdString();
}

void TMessagesPage::ClearEditor()
{
    quietEditor_ = true;
    MsgList->clear();
    quietEditor_ = false;
    editorPath_.clear();
    editorEdited_ = false;
    editorLatin1_ = false;
}

void TMessagesPage::MsgListChange()
{
    if (!quietEditor_) frm_.State.MessagesDirty = true;
}

void TMessagesPage::AffirmListClickCheck() { frm_.State.MessagesDirty = true; }

void TMessagesPage::AffirmListMouseUp(const QPoint& pos)
{
    if (QListWidgetItem* item = AffirmList->itemAt(pos)) AffirmList->setToolTip(item->text());
}

void TMessagesPage::FillLists(const std::vector<std::string>& names)
{
    const QSignalBlocker block(AffirmList);
    AffirmList->clear();
    // Names arrive sorted without regard to case, the order of the box.
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(Q(name), AffirmList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void TMessagesPage::LoadCategories(bool loadLists)
{
    FillLists({});
    ov::ForceFolders(ov::LibraryFolder()); // a failure shows as an empty box
    ClearEditor();
    const std::string remembered = DirListText();
    {
        NoRedraw noRedraw(DirList);
        const QSignalBlocker block(DirList);
        DirList->clear();
        int select = -1;
        const std::vector<std::string> categories = ov::ListSubfolders(ov::LibraryFolder());
        for (size_t i = 0; i < categories.size(); ++i) {
            DirList->addItem(Q(categories[i]));
            if (select < 0 && ov::SameTextAscii(categories[i], remembered)) select = int(i);
        }
        DirList->setCurrentIndex(select);
    }
    if (loadLists) LoadCategoryLists();
}

void TMessagesPage::LoadCategoryLists()
{
    std::exception_ptr late;
    ReadCategoryLists(late);
    if (late) std::rethrow_exception(late);
}

TMessagesPage::ListsLoad TMessagesPage::ReadCategoryLists(std::exception_ptr& late)
{
    ov::SharedState& st = frm_.State;
    if (DirList->count() == 0) return ListsLoad::NoCategories;
    if (DirList->currentIndex() < 0) {
        SelectQuietly(0);
        st.CurrentGroup = DirListText();
    }
    const std::string category = DirListText();
    const std::string folder = ov::CategoryFolder(category);
    if (!ov::FolderExists(folder)) {
        ov::MessageBox::Show(ov::MsgKind::Plain, "Warning - no categories found", &frm_);
        return ListsLoad::FolderGone;
    }
    // Read before anything on the page changes: a failure here leaves it as it was.
    const std::vector<std::string> names = ov::ListFiles(folder + "/*.txt", false);
    {
        NoRedraw noRedraw(AffirmList);
        FillLists(names);
        if (names.empty()) return ListsLoad::Empty;
        st.CurrentGroup = category;
        bool recordRead = true;
        try {
            RestoreTicks();
        } catch (...) {
            late = std::current_exception();
            recordRead = false;
        }
        // A record that could not be read whole is not written over: the
        // ticks it still holds would be lost.
        if (recordRead && CountTickedLists() == 0) {
            SetTicked(0, true);
            try {
                SaveTicksAndEditor();
            } catch (...) {
                late = std::current_exception();
            }
        }
    }
    try {
        BuildPhrasePool();
    } catch (...) {
        if (!late) late = std::current_exception();
    }
    st.CurrentGroup = category;
    ClearEditor();
    st.MessagesDirty = false;
    return ListsLoad::Loaded;
}

void TMessagesPage::RestoreTicks()
{
    ov::SharedState& st = frm_.State;
    if (st.CurrentGroup.empty()) st.CurrentGroup = DirListText();
    const ov::IniFile ini(ov::SettingsFilePath());
    const auto lines = ini.ReadSection(ov::TickSection(st.CurrentGroup));
    const QSignalBlocker block(AffirmList);
    const auto bad =
        ov::ApplyTickRecord(lines, ListNames(), [&](size_t i, bool ticked) { SetTicked(int(i), ticked); });
    AffirmList->viewport()->update();
    // A bad line is told once; the next save of the ticks drops it.
    std::vector<ov::BadTickLine> news;
    for (const ov::BadTickLine& b : bad)
        if (tickReports_.IsNew(st.CurrentGroup + "\n" + b.key + "\n" + b.value, {})) news.push_back(b);
    if (!news.empty())
        ov::MessageBox::Show(ov::MsgKind::Error, ov::BadTickLinesMessage(ini.Path(), st.CurrentGroup, news), &frm_);
    st.CurrentGroup = DirListText();
}

void TMessagesPage::SaveTicksAndEditor()
{
    ov::SharedState& st = frm_.State;
    const std::vector<std::string> names = ListNames();
    std::vector<bool> ticks(names.size());
    std::string skipped;
    for (size_t i = 0; i < names.size(); ++i) {
        ticks[i] = Ticked(int(i));
        if (!ov::TickRecordCanHold(names[i])) skipped += (skipped.empty() ? "\"" : ", \"") + names[i] + "\"";
    }
    ov::IniFile ini(ov::SettingsFilePath());
    ini.Update([&](ov::IniDoc& doc) {
        ov::WriteTickRecord(doc, st.CurrentGroup, names, ticks); // leaves out what it cannot hold
        doc.WriteInteger("General", "GroupIndex", DirList->currentIndex());
    });
    if (!skipped.empty())
        ov::MessageBox::Show(ov::MsgKind::Warning,
                             "The tick of " + skipped
                                 + " cannot be recorded in the settings file: the list's name begins with a blank "
                                   "or holds a line break. The other ticks were recorded; rename the file to keep "
                                   "its tick.",
                             &frm_);
    const int selected = AffirmList->currentRow();
    const std::string text = EditorText();
    if (!text.empty() && selected >= 0) {
        const std::string path = ov::ListPath(st.CurrentGroup, names[size_t(selected)]);
        std::string reason;
        if (!ov::WriteFileAtomic(path, text, &reason))
            throw ov::OvError(ov::Format("Cannot create file \"%s\". %s", path.c_str(), reason.c_str()));
    }
    st.MessagesDirty = false;
}

void TMessagesPage::BuildPhrasePool()
{
    ov::SharedState& st = frm_.State;
    std::vector<std::string> ticked;
    const std::vector<std::string> names = ListNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (Ticked(int(i))) ticked.push_back(names[i]);
    const std::vector<std::string> failures = ov::BuildPhrasePool(DirListText(), ticked, st.Pool, &listReports_);
    st.PhraseCursor = -1;
    // Unreadable lists are left out; each is told once, not at every rebuild.
    std::string text;
    for (const std::string& f : failures) text += (text.empty() ? "" : "\n\n") + f;
    if (!text.empty()) ov::MessageBox::Show(ov::MsgKind::Error, text, &frm_);
}

void TMessagesPage::SelectQuietly(int index)
{
    const QSignalBlocker block(DirList);
    DirList->setCurrentIndex(index);
}

int TMessagesPage::CategoryIndex(const std::string& name) const
{
    if (name.empty()) return -1;
    const int exact = DirList->findText(Q(name), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (exact >= 0) return exact;
    for (int i = 0; i < DirList->count(); ++i)
        if (ov::SameTextAscii(S(DirList->itemText(i)), name)) return i;
    return -1;
}

// A change of category is all or nothing: the page (box, lists, ticks,
// editor, settings) shows one category whole, and nothing of one category is
// written under another's name. A failure keeps or returns to the old one.
void TMessagesPage::DirListChange()
{
    ov::SharedState& st = frm_.State;
    if (!frm_.FormReady) return;
    // Choosing a category again is asking again: its faults are told anew.
    listReports_.ForgetAll();
    tickReports_.ForgetAll();
    const int newIndex = DirList->currentIndex();
    const std::string oldGroup = st.CurrentGroup;
    const int oldIndex = CategoryIndex(oldGroup);
    if (newIndex == oldIndex) return;

    // The old category is saved while the box still shows it, so a failure
    // leaves the page on it with the user's changes.
    SelectQuietly(oldIndex);
    if (st.MessagesDirty
        && ov::MessageBox::Show(ov::MsgKind::Confirm,
                                "The selected messages have changed.\r\nDo you wish to save the changes?", &frm_)
               == ov::MsgResult::Yes)
        SaveTicksAndEditor();
    if (st.ExitRequested) return; // the session ended during the question
    const bool unsavedSettings = st.SettingsDirty;
    const bool settingsSaved = frm_.SaveSettings(oldGroup);
    st.CurrentGroup = oldGroup;
    if (!settingsSaved && unsavedSettings) return; // the reason was shown; the changes stay on the page

    SelectQuietly(newIndex);
    const std::string newGroup = DirListText();
    std::exception_ptr late;
    ListsLoad loaded = ListsLoad::NoCategories;
    try {
        loaded = ReadCategoryLists(late);
    } catch (...) {
        SelectQuietly(oldIndex);
        st.CurrentGroup = oldGroup;
        throw;
    }
    if (loaded == ListsLoad::FolderGone) {
        SelectQuietly(oldIndex);
        st.CurrentGroup = oldGroup;
        return;
    }
    if (loaded == ListsLoad::Empty) {
        // The editor and any unsaved ticks belonged to the old category.
        ClearEditor();
        st.MessagesDirty = false;
    }
    st.CurrentGroup = newGroup;
    frm_.LoadSettings(newGroup);
    st.CurrentGroup = newGroup;
    // The old category's save recorded its own position; record the new one.
    if (settingsSaved) {
        try {
            ov::IniFile ini(ov::SettingsFilePath());
            ini.Update([&](ov::IniDoc& doc) { doc.WriteInteger("General", "GroupIndex", DirList->currentIndex()); });
        } catch (...) {
            if (!late) late = std::current_exception();
        }
    }
    if (late) std::rethrow_exception(late);
}
