#pragma once
#include <QComboBox>
#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QPushButton;
namespace ov { class NumberSpinBox; }

// What the three font dialogs share: a fixed border, "Ok" and "Cancel"
// (Escape and the title-bar close count as Cancel), and opening centred
// over the window that asks.
class FontPropertyDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the dialog modally, centred over `over`; true on "Ok".
    bool Execute(QWidget* over);

protected:
    FontPropertyDialog(const char* name, const char* caption, QSize client, QPoint ok, QPoint cancel);

private:
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

class FontSizeDialog : public FontPropertyDialog {
    Q_OBJECT
public:
    FontSizeDialog();
    void SetSize(int size);
    int Size() const; // any whole number; text that is none counts as 0

private:
    ov::NumberSpinBox* sizeSpin_ = nullptr;
};

// The colour list: a swatch and the name of each of the named colours.
class ColorComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ColorComboBox(QWidget* parent = nullptr);
    int32_t ColorAt(int index) const;
    void SelectColor(int32_t value); // the first entry with the value, else none

protected:
    void paintEvent(QPaintEvent* event) override;
};

class FontColorDialog : public FontPropertyDialog {
    Q_OBJECT
public:
    FontColorDialog();
    void SelectColor(int32_t value);
    // Empty when nothing is chosen (a colour the list does not hold).
    std::optional<int32_t> ChosenColor() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ColorComboBox* colorCombo_ = nullptr;
};

class FontNameDialog : public FontPropertyDialog {
    Q_OBJECT
public:
    FontNameDialog();

    // Selects the entry for a font name, or its substitute, or nothing.
    void SelectFont(const std::string& name);
    std::string SelectedFont() const; // empty when nothing is selected

    // Where a name that is not in the list is looked up; replaceable for tests.
    std::function<std::string(const std::string&)> Substitute;

private:
    QComboBox* fontCombo_ = nullptr;
};
