#include "display/ovDisplayFont.h"

#include "settings/ovColors.h"

#include <QString>

namespace ov {

QFont DisplayQFont(const DisplayFontSpec& spec)
{
    QFont font(QString::fromLocal8Bit(spec.Name.data(), static_cast<qsizetype>(spec.Name.size())));
    if (spec.Size > 0)
        font.setPointSize(spec.Size);
    else if (spec.Size < 0 && spec.Size > INT32_MIN)
        font.setPixelSize(-spec.Size);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QColor DisplayQColor(const DisplayFontSpec& spec, const QPalette& palette)
{
    return ToQColor(spec.Color, palette);
}

} // namespace ov
