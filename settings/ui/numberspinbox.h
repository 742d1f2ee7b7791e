#pragma once
#include <QSpinBox>

namespace ov {

// A spin edit whose value is its text read as a whole number: text that is
// not one counts as InvalidValue (the minimum unless set otherwise). Any
// digits may be typed; the number is brought into range when it is read and
// when focus leaves, never refused half-typed.
class NumberSpinBox : public QSpinBox {
    Q_OBJECT
public:
    explicit NumberSpinBox(QWidget* parent = nullptr);

    int Value() const;
    void SetInvalidValue(int v) { invalid_ = v; hasInvalid_ = true; }

signals:
    // Any change of the text, also one that is not yet a valid value (which
    // Value() reads clamped); valueChanged does not report those.
    void textEdited();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int invalid_ = 0;
    bool hasInvalid_ = false;
    int InvalidValue() const { return hasInvalid_ ? invalid_ : minimum(); }
    int Clamped(const QString& text) const;
};

} // namespace ov
