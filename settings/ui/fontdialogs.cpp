#include "settings/ui/fontdialogs.h"
#include "platform/ui/accessible.h"
#include "settings/colors.h"
#include "settings/fontlookup.h"
#include "settings/ui/numberspinbox.h"
#include "platform/ui/captionfit.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <climits>

namespace {

QFont DialogFont()
{
    QFont f(QStringLiteral("MS Sans Serif"), 8);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

// One entry of the colour list: a swatch inset by one pixel, as tall as the
// entry, and the name 5 pixels to its right.
void PaintColorEntry(QPainter& p, const QRect& r, const QColor& colour, const QString& name, bool highlighted,
                     const QPalette& pal)
{
    p.save();
    p.fillRect(r, highlighted ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    const int side = std::max(0, r.height() - 2);
    const QRect swatch(r.left() + 1, r.top() + 1, side, side);
    p.fillRect(swatch, colour);
    p.setPen(ov::SwatchFrameColor(colour, highlighted));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    p.setPen(highlighted ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    const QRect text(swatch.right() + 1 + 5, r.top(), r.right() - swatch.right() - 5, r.height());
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, name);
    p.restore();
}

class ColorDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int32_t value = index.data(Qt::UserRole).toInt();
        PaintColorEntry(*p, option.rect, ov::ToQColor(value, option.palette), index.data().toString(),
                        option.state & QStyle::State_Selected, option.palette);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width() + 20, 16);
    }
};

// The mark before a font's name: "TT" for outline fonts, a dotted "a" for
// bitmap fonts, none for the rest.
QIcon FontKindIcon(ov::FontKind kind)
{
    if (kind == ov::FontKind::Other) return {};
    auto make = [](const QString& text, QColor colour) {
        QPixmap pm(14, 12);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        QFont f(QStringLiteral("Sans Serif"), 6);
        f.setBold(true);
        p.setFont(f);
        p.setPen(colour);
        p.drawText(pm.rect(), Qt::AlignCenter, text);
        return QIcon(pm);
    };
    return kind == ov::FontKind::Outline ? make(QStringLiteral("TT"), QColor(0, 0, 160))
                                         : make(QStringLiteral("\u00B7a"), QColor(80, 80, 80));
}

// A list box tells a screen reader its current entry as its name, so its
// role reaches it through a label. The dialog's layout has no room for one:
// the label stays hidden, which the accessibility tree still reports.
void LabelForScreenReaders(QWidget* control, const QString& role)
{
    auto* label = new QLabel(role, control->parentWidget());
    label->setObjectName(control->objectName() + QStringLiteral("Label"));
    label->setBuddy(control);
    label->hide();
    control->setAccessibleName(role);
}

} // namespace

FontPropertyDialog::FontPropertyDialog(const char* name, const char* caption, QSize client, QPoint ok, QPoint cancel)
{
    ov::InstallAccessibility();
    setObjectName(QLatin1String(name));
    setWindowTitle(tr(caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());
    setFixedSize(client);
    setModal(true);
    okButton_ = new QPushButton(tr("Ok"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setGeometry(QRect(ok, QSize(57, 23)));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(tr("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setGeometry(QRect(cancel, QSize(57, 23)));
    ov::FitButtonRow({okButton_, cancelButton_});
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

bool FontPropertyDialog::Execute(QWidget* over)
{
    if (over) {
        const QRect area = over->frameGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    return exec() == QDialog::Accepted;
}

FontSizeDialog::FontSizeDialog() : FontPropertyDialog("fontSizeDialog", QT_TRANSLATE_NOOP("FontPropertyDialog", "Font Size"), QSize(157, 72), QPoint(7, 46), QPoint(93, 46))
{
    sizeSpin_ = new ov::NumberSpinBox(this);
    sizeSpin_->setObjectName(QStringLiteral("sizeSpin"));
    sizeSpin_->setRange(INT_MIN, INT_MAX);
    sizeSpin_->SetInvalidValue(0);
    sizeSpin_->setSingleStep(1);
    sizeSpin_->setGeometry(40, 14, 75, 22);
    sizeSpin_->setAccessibleName(tr("Font Size"));
}

ColorComboBox::ColorComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setItemDelegate(new ColorDelegate(this));
    for (const ov::NamedColor& c : ov::NamedColors()) addItem(QCoreApplication::translate("Colors", c.Name), int(c.Value));
}

int32_t ColorComboBox::ColorAt(int index) const { return itemData(index, Qt::UserRole).toInt(); }

void ColorComboBox::SelectColor(int32_t value) { setCurrentIndex(ov::FindNamedColor(value)); }

void ColorComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    p.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0) return;
    QRect r = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    PaintColorEntry(p, r, ov::ToQColor(ColorAt(currentIndex()), palette()), currentText(), hasFocus(), palette());
}

FontColorDialog::FontColorDialog() : FontPropertyDialog("fontColorDialog", QT_TRANSLATE_NOOP("FontPropertyDialog", "Font Color"), QSize(157, 72), QPoint(7, 46), QPoint(95, 46))
{
    colorCombo_ = new ColorComboBox(this);
    colorCombo_->setObjectName(QStringLiteral("colorCombo"));
    colorCombo_->setGeometry(8, 10, 145, 22);
    LabelForScreenReaders(colorCombo_, tr("Font Color"));
    colorCombo_->view()->setAccessibleName(tr("Font Color"));
}

void FontColorDialog::showEvent(QShowEvent* event)
{
    // Desktop colours may have changed since the last opening.
    FontPropertyDialog::showEvent(event);
    update();
    colorCombo_->update();
}

FontNameDialog::FontNameDialog() : FontPropertyDialog("fontNameDialog", QT_TRANSLATE_NOOP("FontPropertyDialog", "Font Name"), QSize(158, 71), QPoint(8, 46), QPoint(95, 46))
{
    Substitute = ov::FontSubstitute;
    fontCombo_ = new QComboBox(this);
    fontCombo_->setObjectName(QStringLiteral("fontCombo"));
    fontCombo_->setEditable(false);
    fontCombo_->setGeometry(8, 12, 145, 22);
    fontCombo_->view()->setMinimumWidth(145);
    LabelForScreenReaders(fontCombo_, tr("Font Name"));
    fontCombo_->view()->setAccessibleName(tr("Font Name"));
    // Built once: a font installed later shows at the next start.
    const QIcon marks[] = {FontKindIcon(ov::FontKind::Outline), FontKindIcon(ov::FontKind::Bitmap), QIcon()};
    for (const ov::FontFamily& f : ov::SystemFontFamilies())
        fontCombo_->addItem(marks[int(f.Kind)], QString::fromLocal8Bit(f.Name));
    fontCombo_->setCurrentIndex(-1);
}

void FontNameDialog::SelectFont(const std::string& name)
{
    std::vector<std::string> names;
    names.reserve(size_t(fontCombo_->count()));
    for (int i = 0; i < fontCombo_->count(); ++i) names.push_back(fontCombo_->itemText(i).toLocal8Bit().toStdString());
    fontCombo_->setCurrentIndex(ov::FindFontEntry(names, name, Substitute));
}

std::string FontNameDialog::SelectedFont() const
{
    if (fontCombo_->currentIndex() < 0) return {};
    return fontCombo_->currentText().toLocal8Bit().toStdString();
}

void FontSizeDialog::SetSize(int size) { sizeSpin_->setValue(size); }

int FontSizeDialog::Size() const { return sizeSpin_->Value(); }

void FontColorDialog::SelectColor(int32_t value) { colorCombo_->SelectColor(value); }

std::optional<int32_t> FontColorDialog::ChosenColor() const
{
    const int index = colorCombo_->currentIndex();
    if (index < 0) return std::nullopt;
    return colorCombo_->ColorAt(index);
}
