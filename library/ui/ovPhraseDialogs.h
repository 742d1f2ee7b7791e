#pragma once
#include <QDialog>

// "New Phrase List": asks for the name of a new, empty list.
class TPhraseEditFrm : public QDialog {
    Q_OBJECT
public:
    TPhraseEditFrm();
};

// "Delete Categories": picks a list of the category to delete.
class TDelFrm : public QDialog {
    Q_OBJECT
public:
    TDelFrm();
};
