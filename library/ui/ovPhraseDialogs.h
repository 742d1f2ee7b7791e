#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// A small modal dialog created once and shown again each time. Execute runs
// FormShow, then the dialog's own loop, or the seam when one is set: tests
// act on the controls there as a user would and the result is the dialog's.
class TModalDialog : public QDialog {
    Q_OBJECT
public:
    using Seam = std::function<void(QDialog&)>;
    static void SetSeam(Seam seam);

    int Execute(QWidget* owner);
    virtual void FormShow() = 0;

    std::string Category; // the category the dialog works on, set by the caller
};

// "New Phrase List": asks for the name of a new, empty list.
class TPhraseEditFrm : public TModalDialog {
    Q_OBJECT
public:
    TPhraseEditFrm();

    QLabel* Label1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* Save = nullptr;
    QPushButton* Button1 = nullptr;

    void FormShow() override;
    // Returns false when the name was refused and the dialog should stay open.
    bool SaveClick();
};

// "Delete Categories": picks a list of the category to delete.
class TDelFrm : public TModalDialog {
    Q_OBJECT
public:
    TDelFrm();

    QListWidget* FileList = nullptr;
    QPushButton* Btn_Del = nullptr;
    QPushButton* Button1 = nullptr;

    void FormShow() override;
    void Btn_DelClick();
};
