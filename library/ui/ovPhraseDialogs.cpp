#include "library/ui/ovPhraseDialogs.h"
#include "platform/ovText.h"
#include "library/ovCategoryStore.h"
#include "library/ovListFiles.h"
#include "platform/ovError.h"
#include "platform/ovUtils.h"
#include "platform/ui/ovMessageBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
using ov::Q;
using ov::S;

TModalDialog::Seam& CurrentSeam()
{
    static TModalDialog::Seam seam;
    return seam;
}
} // namespace

void TModalDialog::SetSeam(Seam seam) { CurrentSeam() = std::move(seam); }

int TModalDialog::Execute(QWidget* owner)
{
    setResult(QDialog::Rejected); // the close box leaves Cancel
    if (ov::SessionEnding()) return QDialog::Rejected;
    FormShow();
    if (owner) {
        const QRect frame = owner->frameGeometry();
        move(frame.center() - QPoint(width() / 2, height() / 2));
    }
    if (CurrentSeam()) {
        CurrentSeam()(*this);
        return result();
    }
    return exec();
}

TPhraseEditFrm::TPhraseEditFrm()
{
    setObjectName(QStringLiteral("PhraseEditFrm"));
    setWindowTitle(QStringLiteral("New Phrase List"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(315, 98);

    Label1 = new QLabel(QStringLiteral("Type in the name of the file you would like to create."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    Label1->setGeometry(8, 6, 299, 28);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(10, 36, 295, 21);
    Label1->setBuddy(Edit2);
    Save = new QPushButton(QStringLiteral("Save"), this);
    Save->setObjectName(QStringLiteral("Save"));
    Save->setGeometry(148, 66, 75, 25);
    Save->setDefault(true);
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(230, 66, 75, 25);
    // QDialog already maps Esc to reject(), the same as Cancel.
    connect(Save, &QPushButton::clicked, this, [this] {
        bool close = true;
        ov::Guarded([&] { close = SaveClick(); });
        if (close) accept();
    });
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TPhraseEditFrm::FormShow()
{
    Edit2->clear();
    Edit2->setFocus();
}

bool TPhraseEditFrm::SaveClick()
{
    const std::string name = S(Edit2->text());
    if (name.empty()) {
        ov::MessageBox::Show(ov::MsgKind::Error, "You must enter a name for the new list", this);
        return true;
    }
    // Without a category the list would land in the library folder itself,
    // where no category shows it.
    if (Category.empty()) {
        ov::MessageBox::Show(ov::MsgKind::Error,
                             ov::Format("There is no category to create the list in. Make a category folder in "
                                        "\"%s\" first; each folder there is a category.",
                                        ov::LibraryFolder().c_str()),
                             this);
        reject();
        return false;
    }
    const std::string problem = ov::NewListNameProblem(name);
    if (!problem.empty()) {
        // Keep the dialog open with the name, so it can be corrected.
        ov::MessageBox::Show(ov::MsgKind::Error, problem, this);
        Edit2->setFocus();
        return false;
    }
    if (ov::CreateEmptyList(ov::CategoryFolder(Category), name) == ov::NewListResult::AlreadyExists)
        ov::MessageBox::Show(ov::MsgKind::Information,
                             ov::Format("The list \"%s\" already exists; its phrases are kept.", name.c_str()), this);
    return true;
}

TDelFrm::TDelFrm()
{
    setObjectName(QStringLiteral("DelFrm"));
    setWindowTitle(QStringLiteral("Delete Phrase List"));
    setModal(true);
    resize(245, 335);

    FileList = new QListWidget(this);
    FileList->setObjectName(QStringLiteral("FileList"));
    FileList->setSelectionMode(QAbstractItemView::SingleSelection);
    FileList->setSortingEnabled(false);
    FileList->setFixedHeight(259);
    FileList->setAccessibleName(QStringLiteral("Lists of the category"));
    Btn_Del = new QPushButton(QStringLiteral("Delete"), this);
    Btn_Del->setObjectName(QStringLiteral("Btn_Del"));
    Button1 = new QPushButton(QStringLiteral("Cancel"), this);
    Button1->setObjectName(QStringLiteral("Button1"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_Del);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(FileList);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(Btn_Del, &QPushButton::clicked, this, [this] { ov::Guarded([this] { Btn_DelClick(); }); });
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TDelFrm::FormShow()
{
    FileList->clear();
    for (const std::string& name : ov::ListFiles(ov::CategoryFolder(Category) + "/*.txt", false))
        FileList->addItem(Q(name));
}

void TDelFrm::Btn_DelClick()
{
    const QList<QListWidgetItem*> selected = FileList->selectedItems();
    if (selected.isEmpty()) {
        ov::MessageBox::Show(ov::MsgKind::Error, "You must select a file for deletion", this);
        return;
    }
    const std::string name = S(selected.front()->text());
    // The dialog closes after Yes and No alike, even when the deletion fails.
    struct CloseAfter {
        QDialog* d;
        ~CloseAfter() { d->reject(); }
    } closeAfter{this};
    if (ov::MessageBox::ShowCaptioned(ov::MsgKind::Confirm, "Delete Phrase List",
                                      "Are you sure you wish to delete this list?")
        == ov::MsgResult::Yes)
        ov::DeleteListFile(ov::ListPath(Category, name));
}
