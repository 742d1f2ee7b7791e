#pragma once
#include <QComboBox>
#include <QDialog>
#include <functional>
#include <string>

class QPushButton;
namespace ov { class TSpinEdit; }

// What the three font dialogs share: a fixed border, "Ok" and "Cancel"
// (Escape and the title-bar close count as Cancel), and opening centred
// over the window that asks.
class TFontDialog : public QDialog {
    Q_OBJECT
public:
    QPushButton* Save = nullptr;    // "Ok"
    QPushButton* Button1 = nullptr; // "Cancel"

    // Shows the dialog modally, centred over `over`; true on "Ok".
    bool Execute(QWidget* over);

protected:
    TFontDialog(const char* name, const char* caption, QSize client, QPoint ok, QPoint cancel);
};

class TSizefrm : public TFontDialog {
    Q_OBJECT
public:
    TSizefrm();
    ov::TSpinEdit* SpinEdit1 = nullptr; // any whole number; text that is none counts as 0
};

// The colour list: a swatch and the name of each of the named colours.
class TColorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr);
    int32_t ColorAt(int index) const;
    void SelectColor(int32_t value); // the first entry with the value, else none

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TColorFrm : public TFontDialog {
    Q_OBJECT
public:
    TColorFrm();
    TColorBox* ColorBox1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

class TNameFrm : public TFontDialog {
    Q_OBJECT
public:
    TNameFrm();
    QComboBox* JvFontComboBox1 = nullptr;

    // Selects the entry for a font name, or its substitute, or nothing.
    void SelectFont(const std::string& name);
    std::string SelectedFont() const; // empty when nothing is selected

    // Where a name that is not in the list is looked up; replaceable for tests.
    std::function<std::string(const std::string&)> Substitute;
};
