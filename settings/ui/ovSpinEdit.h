#pragma once
#include <QSpinBox>

namespace ov {

// A spin edit whose value is its text read as a whole number: text that is
// not one counts as InvalidValue (the minimum unless set otherwise), and the
// text is put right when focus leaves. Values set are kept in the range.
class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int Value() const;
    void SetInvalidValue(int v) { invalid_ = v; hasInvalid_ = true; }

protected:
    void fixup(QString& input) const override;
    int valueFromText(const QString& text) const override;

private:
    int invalid_ = 0;
    bool hasInvalid_ = false;
    int InvalidValue() const { return hasInvalid_ ? invalid_ : minimum(); }
};

} // namespace ov
