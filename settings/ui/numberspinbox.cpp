#include "settings/ui/numberspinbox.h"

#include <QLineEdit>
#include <algorithm>
#include <optional>

namespace ov {

namespace {

// An optional sign and digits, saturated at the ends of the int range, so a
// long run of digits means "very large", not "not a number".
std::optional<long long> ParseWhole(const QString& raw)
{
    const QString text = raw.trimmed();
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    if (i == text.size()) return std::nullopt;
    constexpr long long limit = 1LL << 40; // far beyond int, far below overflow
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        v = std::min(limit, v * 10 + (text[i].unicode() - u'0'));
    }
    return negative ? -v : v;
}

} // namespace

NumberSpinBox::NumberSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberSpinBox::textEdited);
}

int NumberSpinBox::Clamped(const QString& text) const
{
    const std::optional<long long> v = ParseWhole(text);
    return int(std::clamp<long long>(v ? *v : InvalidValue(), minimum(), maximum()));
}

QValidator::State NumberSpinBox::validate(QString& input, int&) const
{
    const QString t = input.trimmed();
    if (t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("+")) return QValidator::Intermediate;
    const std::optional<long long> v = ParseWhole(t);
    if (!v) return QValidator::Invalid;
    // Out of range is only unfinished: the number is clamped when focus leaves.
    return *v >= minimum() && *v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

int NumberSpinBox::valueFromText(const QString& text) const { return Clamped(text); }

int NumberSpinBox::Value() const { return Clamped(cleanText()); }

void NumberSpinBox::fixup(QString& input) const { input = QString::number(Clamped(input)); }

void NumberSpinBox::focusOutEvent(QFocusEvent* event)
{
    // Text left out of range or empty becomes the number it stands for.
    const int v = Value();
    if (lineEdit()->text() != textFromValue(v)) {
        setValue(v);
        lineEdit()->setText(textFromValue(v));
    }
    QSpinBox::focusOutEvent(event);
}

} // namespace ov
