#include "settings/ui/ovSpinEdit.h"

#include <QLineEdit>
#include <algorithm>

namespace ov {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int TSpinEdit::valueFromText(const QString& text) const
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? std::clamp(v, minimum(), maximum()) : std::clamp(InvalidValue(), minimum(), maximum());
}

int TSpinEdit::Value() const { return valueFromText(cleanText()); }

void TSpinEdit::fixup(QString& input) const
{
    bool ok = false;
    const int v = input.trimmed().toInt(&ok);
    input = QString::number(std::clamp(ok ? v : InvalidValue(), minimum(), maximum()));
}

} // namespace ov
