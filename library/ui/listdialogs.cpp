#include "library/ui/listdialogs.h"
#include "platform/text.h"
#include "library/libraryfolders.h"
#include "library/listfiles.h"
#include "library/ui/filenames.h"
#include "platform/error.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"
#include "platform/translate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
using ov::Q;
using ov::S;

ListDialog::Seam& CurrentSeam()
{
    static ListDialog::Seam seam;
    return seam;
}
} // namespace

void ListDialog::SetSeam(Seam seam) { CurrentSeam() = std::move(seam); }

int ListDialog::Execute(QWidget* owner)
{
    setResult(QDialog::Rejected); // the close box leaves Cancel
    if (ov::SessionEnding()) return QDialog::Rejected;
    PrepareToShow();
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

NewListDialog::NewListDialog()
{
    setObjectName(QStringLiteral("newListDialog"));
    setWindowTitle(tr("New Phrase List"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFixedSize(315, 98);

    promptLabel_ = new QLabel(tr("Type in the name of the file you would like to create."), this);
    promptLabel_->setObjectName(QStringLiteral("promptLabel"));
    promptLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    promptLabel_->setWordWrap(true);
    promptLabel_->setGeometry(8, 6, 299, 28);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("nameEdit"));
    nameEdit_->setGeometry(10, 36, 295, 21);
    promptLabel_->setBuddy(nameEdit_);
    saveButton_ = new QPushButton(tr("Save"), this);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    saveButton_->setGeometry(148, 66, 75, 25);
    saveButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(230, 66, 75, 25);
    // QDialog already maps Esc to reject(), the same as Cancel.
    connect(saveButton_, &QPushButton::clicked, this, [this] {
        bool close = true;
        ov::Guarded([&] { close = onSave(); });
        if (close) accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void NewListDialog::PrepareToShow()
{
    nameEdit_->clear();
    nameEdit_->setFocus();
}

bool NewListDialog::onSave()
{
    const std::string name = S(nameEdit_->text());
    if (name.empty()) {
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Tr("ListDialog", "You must enter a name for the new list"), this);
        return true;
    }
    // Without a category the list would land in the library folder itself,
    // where no category shows it.
    if (Category.empty()) {
        ov::MessageBox::Show(ov::MsgKind::Error,
                             ov::Format(ov::Tr("ListDialog", "There is no category to create the list in. Make a category folder in "
                                                        "\"%s\" first; each folder there is a category."),
                                        ov::LibraryFolder().c_str()),
                             this);
        reject();
        return false;
    }
    const std::string problem = ov::NewListNameProblem(name);
    if (!problem.empty()) {
        // Keep the dialog open with the name, so it can be corrected.
        ov::MessageBox::Show(ov::MsgKind::Error, problem, this);
        nameEdit_->setFocus();
        return false;
    }
    if (ov::CreateEmptyList(ov::CategoryFolder(Category), name) == ov::NewListResult::AlreadyExists)
        ov::MessageBox::Show(ov::MsgKind::Information,
                             ov::Format(ov::Tr("ListDialog", "The list \"%s\" already exists; its phrases are kept."), name.c_str()), this);
    return true;
}

DeleteListDialog::DeleteListDialog()
{
    setObjectName(QStringLiteral("deleteListDialog"));
    setWindowTitle(tr("Delete Phrase List"));
    setModal(true);
    resize(245, 335);

    lists_ = new QListWidget(this);
    lists_->setObjectName(QStringLiteral("lists"));
    lists_->setSelectionMode(QAbstractItemView::SingleSelection);
    lists_->setSortingEnabled(false);
    lists_->setFixedHeight(259);
    lists_->setAccessibleName(tr("Lists of the category"));
    deleteButton_ = new QPushButton(tr("Delete"), this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(deleteButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(lists_);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(deleteButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onDelete(); }); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void DeleteListDialog::PrepareToShow()
{
    lists_->clear();
    for (const std::string& name : ov::ListFiles(ov::ListFilePattern(ov::CategoryFolder(Category)), false))
    {
        auto* item = new QListWidgetItem(ov::ShownName(name), lists_);
        item->setData(Qt::UserRole, ov::NameData(name));
    }
}

void DeleteListDialog::onDelete()
{
    const QList<QListWidgetItem*> selected = lists_->selectedItems();
    if (selected.isEmpty()) {
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Tr("ListDialog", "You must select a file for deletion"), this);
        return;
    }
    const std::string name = ov::NameOf(selected.front()->data(Qt::UserRole));
    // The dialog closes after Yes and No alike, even when the deletion fails.
    struct CloseAfter {
        QDialog* d;
        ~CloseAfter() { d->reject(); }
    } closeAfter{this};
    if (ov::MessageBox::ShowCaptioned(ov::MsgKind::Confirm, ov::Tr("ListDialog", "Delete Phrase List"),
                                      ov::Tr("ListDialog", "Are you sure you wish to delete this list?"))
        == ov::MsgResult::Yes)
        ov::DeleteListFile(ov::ListPath(Category, name));
}
