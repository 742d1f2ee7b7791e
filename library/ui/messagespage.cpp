#include "library/ui/messagespage.h"
#include "app/sharedstate.h"
#include "library/categorystore.h"
#include "library/listfiles.h"
#include "library/ui/filenames.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/pagefont.h"
#include "settings/inifile.h"
#include "platform/translate.h"
#include "platform/ui/captionfit.h"

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

using ov::NameData;
using ov::NameOf;
using ov::ShownName;

// Suspends a widget's painting for the life of the guard, on every path out.
struct NoRedraw {
    explicit NoRedraw(QWidget* w) : w_(w) { w_->setUpdatesEnabled(false); }
    ~NoRedraw() { w_->setUpdatesEnabled(true); }
    QWidget* w_;
};

// Hands a mouse release over the check-list to the page, which updates the tooltip.
class MouseUpFilter : public QObject {
public:
    MouseUpFilter(std::function<void(const QPoint&)> onRelease, QObject* parent)
        : QObject(parent), onRelease_(std::move(onRelease))
    {
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonRelease) onRelease_(static_cast<QMouseEvent*>(e)->position().toPoint());
        return false;
    }
    std::function<void(const QPoint&)> onRelease_;
};

} // namespace

MessagesPage::MessagesPage(ov::SharedState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setObjectName(QStringLiteral("messagesPage"));
    BuildPage();
}

void MessagesPage::SetSettingsHooks(std::function<bool(const std::string&)> save,
                                    std::function<void(const std::string&)> load, std::function<bool()> unsaved)
{
    saveSettings_ = std::move(save);
    loadSettings_ = std::move(load);
    settingsUnsaved_ = std::move(unsaved);
}

void MessagesPage::SetReady() { ready_ = true; }

void MessagesPage::BuildPage()
{
    QWidget* page = this;
    categoryLabel_ = new QLabel(tr("Subliminal Category"), page);
    categoryLabel_->setObjectName(QStringLiteral("categoryLabel"));
    categoryLabel_->setGeometry(8, 6, 94, 13);
    categoryCombo_ = new QComboBox(page);
    categoryCombo_->setObjectName(QStringLiteral("categoryCombo"));
    categoryCombo_->setEditable(false);
    categoryCombo_->setGeometry(8, 24, 180, 21);
    categoryLabel_->setBuddy(categoryCombo_);
    categoryCombo_->view()->setAccessibleName(tr("Subliminal Category"));
    categoryLabel_->setMinimumWidth(categoryLabel_->sizeHint().width());
    ov::FitLabelHeight(categoryLabel_);

    phraseListsLabel_ = new QLabel(tr("Subliminal Category Files"), page);
    phraseListsLabel_->setObjectName(QStringLiteral("phraseListsLabel"));
    phraseListsLabel_->setGeometry(8, 54, 118, 13);
    phraseListsLabel_->setMinimumWidth(phraseListsLabel_->sizeHint().width());
    ov::FitLabelHeight(phraseListsLabel_);
    phraseLists_ = new QListWidget(page);
    phraseLists_->setObjectName(QStringLiteral("phraseLists"));
    phraseLists_->setGeometry(6, 74, 180, 231);
    phraseLists_->setSelectionMode(QAbstractItemView::SingleSelection);
    phraseLists_->setStyleSheet(QStringLiteral("QListWidget { background: white; }"));
    phraseLists_->setFont(ov::PageFont());
    phraseLists_->setAccessibleName(tr("Subliminal Category Files"));
    phraseListsLabel_->setBuddy(phraseLists_);

    newListButton_ = new QPushButton(tr("Create New Subliminal File"), page);
    newListButton_->setObjectName(QStringLiteral("newListButton"));
    newListButton_->setGeometry(6, 314, 180, 17);
    deleteListButton_ = new QPushButton(tr("Delete Subliminal File"), page);
    deleteListButton_->setObjectName(QStringLiteral("deleteListButton"));
    deleteListButton_->setGeometry(6, 338, 180, 17);

    editorLabel_ = new QLabel(tr("Subliminal Messages Editor for:  "), page);
    editorLabel_->setObjectName(QStringLiteral("editorLabel"));
    editorLabel_->setGeometry(204, 6, 413, 13);
    ov::FitLabelHeight(editorLabel_);
    phraseEditor_ = new QPlainTextEdit(page);
    phraseEditor_->setObjectName(QStringLiteral("phraseEditor"));
    phraseEditor_->setGeometry(204, 26, 413, 331);
    phraseEditor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    phraseEditor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    phraseEditor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    phraseEditor_->setAccessibleName(tr("Subliminal Messages Editor"));
    editorLabel_->setBuddy(phraseEditor_);
    printListButton_ = new QPushButton(tr("Print"), page);
    printListButton_->setObjectName(QStringLiteral("printListButton"));
    printListButton_->setGeometry(496, 362, 57, 23);
    saveMessagesButton_ = new QPushButton(tr("Save"), page);
    saveMessagesButton_->setObjectName(QStringLiteral("saveMessagesButton"));
    saveMessagesButton_->setGeometry(562, 362, 57, 23);
    ov::FitButtonRow({printListButton_, saveMessagesButton_});

    // Tab order: phraseLists_, newListButton_, saveMessagesButton_, phraseEditor_, printListButton_,
    // categoryCombo_, deleteListButton_.
    QWidget::setTabOrder(phraseLists_, newListButton_);
    QWidget::setTabOrder(newListButton_, saveMessagesButton_);
    QWidget::setTabOrder(saveMessagesButton_, phraseEditor_);
    QWidget::setTabOrder(phraseEditor_, printListButton_);
    QWidget::setTabOrder(printListButton_, categoryCombo_);
    QWidget::setTabOrder(categoryCombo_, deleteListButton_);

    connect(categoryCombo_, &QComboBox::currentIndexChanged, this, [this] { ov::Guarded([this] { onCategoryChanged(); }); });
    connect(phraseLists_, &QListWidget::itemChanged, this, [this] { onTickChanged(); });
    phraseLists_->viewport()->installEventFilter(
        new MouseUpFilter([this](const QPoint& pos) { onListsMouseUp(pos); }, this));
    connect(phraseEditor_, &QPlainTextEdit::textChanged, this, [this] { onEditorChanged(); });
    WireEditor();
}

std::string MessagesPage::CurrentCategory() const
{
    return categoryCombo_->currentIndex() < 0 ? std::string() : NameOf(categoryCombo_->currentData());
}

std::string MessagesPage::ListName(int row) const { return NameOf(phraseLists_->item(row)->data(Qt::UserRole)); }
int MessagesPage::CurrentCategoryIndex() const { return categoryCombo_->currentIndex(); }
void MessagesPage::SelectCategory(int index) { categoryCombo_->setCurrentIndex(index); }

std::vector<std::string> MessagesPage::ListNames() const
{
    std::vector<std::string> names;
    names.reserve(size_t(phraseLists_->count()));
    for (int i = 0; i < phraseLists_->count(); ++i) names.push_back(ListName(i));
    return names;
}

bool MessagesPage::Ticked(int index) const { return phraseLists_->item(index)->checkState() == Qt::Checked; }

void MessagesPage::SetTicked(int index, bool ticked)
{
    const QSignalBlocker block(phraseLists_);
    phraseLists_->item(index)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    phraseLists_->viewport()->update();
}

void MessagesPage::TickFirstList()
{
    if (phraseLists_->count() > 0) SetTicked(0, true);
}

int MessagesPage::CountTickedLists() const
{
    int n = 0;
    for (int i = 0; i < phraseLists_->count(); ++i) n += Ticked(i) ? 1 : 0;
    return n;
}

QString MessagesPage::EditorRawText() const
{
    // The raw text: toPlainText() would turn no-break spaces into spaces.
    QString text = phraseEditor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

std::string MessagesPage::EditorText() const { return ov::EncodeListText(EditorRawText(), editorFormat_); }

void MessagesPage::ClearEditor()
{
    quietEditor_ = true;
    phraseEditor_->clear();
    quietEditor_ = false;
    phraseEditor_->setReadOnly(false);
    editorPath_.clear();
    editorEdited_ = false;
    editorFormat_ = {};
    editorStamp_.clear();
    editorReadOnly_.clear();
}

void MessagesPage::onEditorChanged()
{
    if (!quietEditor_ && !loadingEditor_) state_.MessagesDirty = true;
}

void MessagesPage::onTickChanged() { state_.MessagesDirty = true; }

void MessagesPage::onListsMouseUp(const QPoint& pos)
{
    if (QListWidgetItem* item = phraseLists_->itemAt(pos)) phraseLists_->setToolTip(item->text());
}

void MessagesPage::FillLists(const std::vector<std::string>& names)
{
    const QSignalBlocker block(phraseLists_);
    phraseLists_->clear();
    // Names arrive sorted without regard to case, the order of the box.
    for (const std::string& name : names) {
        auto* item = new QListWidgetItem(ShownName(name), phraseLists_);
        item->setData(Qt::UserRole, NameData(name));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void MessagesPage::LoadCategories(bool loadLists)
{
    FillLists({});
    ov::ForceFolders(ov::LibraryFolder()); // a failure shows as an empty box
    ClearEditor();
    const std::string remembered = CurrentCategory();
    {
        NoRedraw noRedraw(categoryCombo_);
        const QSignalBlocker block(categoryCombo_);
        categoryCombo_->clear();
        for (const std::string& category : ov::ListSubfolders(ov::LibraryFolder()))
            categoryCombo_->addItem(ShownName(category), NameData(category));
        categoryCombo_->setCurrentIndex(CategoryIndex(remembered));
    }
    if (loadLists) LoadCategoryLists();
}

void MessagesPage::LoadCategoryLists()
{
    std::exception_ptr late;
    if (ReadCategoryLists(late) == ListsLoad::FolderGone) {
        RefillAfterFolderGone(CurrentCategory());
        return;
    }
    if (late) std::rethrow_exception(late);
}

MessagesPage::ListsLoad MessagesPage::ReadCategoryLists(std::exception_ptr& late)
{
    ov::SharedState& st = state_;
    if (categoryCombo_->count() == 0) return ListsLoad::NoCategories;
    if (categoryCombo_->currentIndex() < 0) {
        SelectQuietly(0);
        st.CurrentGroup = CurrentCategory();
    }
    const std::string category = CurrentCategory();
    const std::string folder = ov::CategoryFolder(category);
    if (!ov::FolderExists(folder)) return ListsLoad::FolderGone;
    // Read before anything on the page changes: a failure here leaves it as it was.
    const std::vector<std::string> names = ov::ListFiles(folder + "/*.txt", false);
    {
        NoRedraw noRedraw(phraseLists_);
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
        if (recordRead && CountTickedLists() == 0) TickFirstAndRecord(late);
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

void MessagesPage::TickFirstAndRecord(std::exception_ptr& late)
{
    SetTicked(0, true);
    try {
        const std::vector<std::string> names = ListNames();
        std::vector<bool> ticks(names.size());
        for (size_t i = 0; i < names.size(); ++i) ticks[i] = Ticked(int(i));
        ov::IniFile ini(ov::SettingsFilePath());
        ini.Update([&](ov::IniDoc& doc) { ov::WriteTickRecord(doc, state_.CurrentGroup, names, ticks); });
    } catch (const std::exception& e) {
        if (runReports_.IsNew("tidy ticks", {}))
            ov::MessageBox::Show(ov::MsgKind::Warning,
                                 std::string(e.what())
                                     + ov::Tr("MessagesPage", "\nOrvella shows the first list's phrases and leaves the settings file as it is."),
                                 window());
    } catch (...) {
        if (!late) late = std::current_exception();
    }
}

void MessagesPage::RefillAfterFolderGone(const std::string& gone)
{
    LoadCategories(false);
    std::exception_ptr late;
    const ListsLoad loaded = ReadCategoryLists(late);
    if (loaded == ListsLoad::NoCategories || loaded == ListsLoad::FolderGone) {
        ov::MessageBox::Show(ov::MsgKind::Plain, ov::Tr("MessagesPage", "Warning - no categories found"), window());
    } else {
        const std::string now = CurrentCategory();
        state_.CurrentGroup = now;
        if (loadSettings_) loadSettings_(now);
        state_.CurrentGroup = now;
        ov::MessageBox::Show(ov::MsgKind::Warning,
                             ov::Format(ov::Tr("MessagesPage", "The category \"%s\" is no longer in the library folder \"%s\". "
                                                                "Orvella shows the category \"%s\"."),
                                        gone.c_str(), ov::LibraryFolder().c_str(), now.c_str()),
                             window());
    }
    if (late) std::rethrow_exception(late);
}

void MessagesPage::RestoreTicks()
{
    ov::SharedState& st = state_;
    if (st.CurrentGroup.empty()) st.CurrentGroup = CurrentCategory();
    const ov::IniFile ini(ov::SettingsFilePath());
    const auto lines = ini.ReadSection(ov::TickSection(st.CurrentGroup));
    const QSignalBlocker block(phraseLists_);
    const auto bad =
        ov::ApplyTickRecord(lines, ListNames(), [&](size_t i, bool ticked) { SetTicked(int(i), ticked); });
    phraseLists_->viewport()->update();
    // A bad line is told once; the next save of the ticks drops it.
    std::vector<ov::BadTickLine> news;
    for (const ov::BadTickLine& b : bad)
        if (tickReports_.IsNew(st.CurrentGroup + "\n" + b.key + "\n" + b.value, {})) news.push_back(b);
    if (!news.empty())
        ov::MessageBox::Show(ov::MsgKind::Error, ov::BadTickLinesMessage(ini.Path(), st.CurrentGroup, news), window());
    st.CurrentGroup = CurrentCategory();
}

void MessagesPage::SaveTicksAndEditor()
{
    ov::SharedState& st = state_;
    const std::vector<std::string> names = ListNames();
    std::vector<bool> ticks(names.size());
    std::string lost;
    for (size_t i = 0; i < names.size(); ++i) {
        ticks[i] = Ticked(int(i));
        // Only a tick is lost: an unticked list needs no line.
        if (ticks[i] && !ov::TickRecordCanHold(names[i]) && runReports_.IsNew("tick\n" + st.CurrentGroup + "\n" + names[i], {}))
            lost += (lost.empty() ? "\"" : ", \"") + names[i] + "\"";
    }
    ov::IniFile ini(ov::SettingsFilePath());
    ini.Update([&](ov::IniDoc& doc) {
        ov::WriteTickRecord(doc, st.CurrentGroup, names, ticks); // leaves out what it cannot hold
        doc.WriteInteger("General", "GroupIndex", categoryCombo_->currentIndex());
    });
    if (!lost.empty())
        ov::MessageBox::Show(ov::MsgKind::Warning,
                             ov::Format(ov::Tr("MessagesPage", "The tick of %s cannot be recorded in the settings file: the "
                                                                "list's name begins with a blank or holds a line break. The "
                                                                "other ticks were recorded; rename the file to keep its tick."),
                                        lost.c_str()),
                             window());
    // Only what the user typed is written, and only to the list it came from.
    if (editorEdited_) SaveEditorToItsFile();
    st.MessagesDirty = false;
}

std::map<std::string, bool> MessagesPage::TickStates() const
{
    std::map<std::string, bool> ticks;
    for (int i = 0; i < phraseLists_->count(); ++i) ticks[ListName(i)] = Ticked(i);
    return ticks;
}

void MessagesPage::ApplyTickStates(const std::map<std::string, bool>& ticks)
{
    for (int i = 0; i < phraseLists_->count(); ++i) {
        const auto it = ticks.find(ListName(i));
        if (it != ticks.end()) SetTicked(i, it->second);
    }
}

void MessagesPage::BuildPhrasePool()
{
    ov::SharedState& st = state_;
    std::vector<std::string> ticked;
    const std::vector<std::string> names = ListNames();
    for (size_t i = 0; i < names.size(); ++i)
        if (Ticked(int(i))) ticked.push_back(names[i]);
    const std::vector<std::string> failures = ov::BuildPhrasePool(CurrentCategory(), ticked, st.Pool, &listReports_);
    st.PhraseCursor = -1;
    // Unreadable lists are left out; each is told once, not at every rebuild.
    std::string text;
    for (const std::string& f : failures) text += (text.empty() ? "" : "\n\n") + f;
    if (!text.empty()) ov::MessageBox::Show(ov::MsgKind::Error, text, window());
}

void MessagesPage::SelectQuietly(int index)
{
    const QSignalBlocker block(categoryCombo_);
    categoryCombo_->setCurrentIndex(index);
}

void MessagesPage::SelectStoredCategory(const ov::IniDoc& doc)
{
    const int index = doc.ReadInteger("General", "GroupIndex", 0);
    const int count = categoryCombo_->count();
    // A stored position past the last category (a folder was removed)
    // selects the first one, so its own settings are loaded: defaults
    // loaded here would later be saved over its stored values.
    SelectQuietly(index >= 0 && index < count ? index : (count > 0 ? 0 : -1));
}

int MessagesPage::CategoryIndex(const std::string& name) const
{
    // File names are case-sensitive: "Calm" and "calm" are two categories.
    return name.empty() ? -1 : categoryCombo_->findData(NameData(name));
}

// A change of category is all or nothing: the page (box, lists, ticks,
// editor, settings) shows one category whole, and nothing of one category is
// written under another's name. A failure keeps or returns to the old one.
void MessagesPage::onCategoryChanged()
{
    ov::SharedState& st = state_;
    if (!ready_) return;
    // Choosing a category again is asking again: its faults are told anew.
    listReports_.ForgetAll();
    tickReports_.ForgetAll();
    const int newIndex = categoryCombo_->currentIndex();
    const std::string oldGroup = st.CurrentGroup;
    const int oldIndex = CategoryIndex(oldGroup);
    if (newIndex == oldIndex) return;

    // The old category is saved while the box still shows it, so a failure
    // leaves the page on it with the user's changes.
    SelectQuietly(oldIndex);
    if (st.MessagesDirty
        && ov::MessageBox::Show(ov::MsgKind::Confirm,
                                ov::Tr("MainWindow", "The selected messages have changed.\r\nDo you wish to save the changes?"), window())
               == ov::MsgResult::Yes)
        SaveTicksAndEditor();
    if (st.ExitRequested) return; // the session ended during the question
    const bool unsavedSettings = settingsUnsaved_ && settingsUnsaved_();
    const bool settingsSaved = saveSettings_ ? saveSettings_(oldGroup) : true;
    st.CurrentGroup = oldGroup;
    if (!settingsSaved && unsavedSettings) return; // the reason was shown; the changes stay on the page

    SelectQuietly(newIndex);
    const std::string newGroup = CurrentCategory();
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
        RefillAfterFolderGone(newGroup);
        return;
    }
    if (loaded == ListsLoad::Empty) {
        // The editor and any unsaved ticks belonged to the old category.
        ClearEditor();
        st.MessagesDirty = false;
    }
    st.CurrentGroup = newGroup;
    if (loadSettings_) loadSettings_(newGroup);
    st.CurrentGroup = newGroup;
    // The old category's save recorded its own position; record the new one.
    // Nobody asked for it: a file that cannot take it is told once per run.
    if (settingsSaved) {
        try {
            ov::IniFile ini(ov::SettingsFilePath());
            const int index = categoryCombo_->currentIndex();
            if (ini.ReadInteger("General", "GroupIndex", -1) != index)
                ini.Update([&](ov::IniDoc& doc) { doc.WriteInteger("General", "GroupIndex", index); });
        } catch (const std::exception& e) {
            if (runReports_.IsNew("category position", {}))
                ov::MessageBox::Show(ov::MsgKind::Warning, e.what(), window());
        }
    }
    if (late) std::rethrow_exception(late);
}
