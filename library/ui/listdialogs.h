#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// A small modal dialog created once and shown again each time. Execute runs
// PrepareToShow, then the dialog's own loop, or the seam when one is set: tests
// act on the controls there as a user would and the result is the dialog's.
class ListDialog : public QDialog {
    Q_OBJECT
public:
    using Seam = std::function<void(QDialog&)>;
    static void SetSeam(Seam seam);

    int Execute(QWidget* owner);

    std::string Category; // the category the dialog works on, set by the caller

protected:
    virtual void PrepareToShow() = 0;
};

// "New Phrase List": asks for the name of a new, empty list.
class NewListDialog : public ListDialog {
    Q_OBJECT
public:
    NewListDialog();

private:
    void PrepareToShow() override;
    // Returns false when the dialog must not be accepted: the name was
    // refused (it stays open for a correction) or there is no category
    // (it has been rejected).
    bool onSave();

    QLabel* promptLabel_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// "Delete Phrase List": picks a list of the category and deletes it once
// the user confirms.
class DeleteListDialog : public ListDialog {
    Q_OBJECT
public:
    DeleteListDialog();

private:
    void PrepareToShow() override;
    void onDelete();

    QListWidget* lists_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
