#include "settings/ui/numberspinbox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

namespace {

QString Typed(ov::NumberSpinBox& spin, const QString& keys)
{
    spin.selectAll();
    QTest::keyClicks(&spin, keys);
    return spin.findChild<QLineEdit*>()->text();
}

void LeaveFocus(ov::NumberSpinBox& spin)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&spin, &out);
}

} // namespace

TEST(NumberSpinBox, AnyDigitsMayBeTypedAndAreClampedWhenReadAndOnFocusOut)
{
    ov::NumberSpinBox spin;
    spin.setRange(10, 700);
    spin.setValue(450);
    spin.show();
    int changes = 0;
    QObject::connect(&spin, &QSpinBox::valueChanged, [&] { ++changes; });

    EXPECT_EQ(Typed(spin, "900"), "900"); // the third digit is not refused
    EXPECT_EQ(spin.Value(), 700);
    LeaveFocus(spin);
    EXPECT_EQ(spin.text(), "700");
    EXPECT_EQ(spin.value(), 700);

    EXPECT_EQ(Typed(spin, "5"), "5");
    LeaveFocus(spin);
    EXPECT_EQ(spin.value(), 10);
    EXPECT_EQ(Typed(spin, "x"), "10"); // what is no number at all is still refused
    EXPECT_GT(changes, 0);

    // A run of digits past the int range means very large, not invalid.
    ov::NumberSpinBox size;
    size.setRange(INT_MIN, INT_MAX);
    size.SetInvalidValue(0);
    size.show();
    Typed(size, "99999999999");
    EXPECT_EQ(size.Value(), INT_MAX);
    Typed(size, "-99999999999");
    EXPECT_EQ(size.Value(), INT_MIN);
    Typed(size, "-");
    EXPECT_EQ(size.Value(), 0);
}
