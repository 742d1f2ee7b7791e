#pragma once
#include <QDialog>

class TSizefrm : public QDialog {
    Q_OBJECT
public:
    TSizefrm();
};

class TColorFrm : public QDialog {
    Q_OBJECT
public:
    TColorFrm();
};

class TNameFrm : public QDialog {
    Q_OBJECT
public:
    TNameFrm();
};
