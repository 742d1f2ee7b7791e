#include "display/displayfont.h"

#include "settings/colors.h"

#include <QString>

namespace ov {

QFont DisplayQFont(const DisplayFontSpec& fontSpec)
{
    QFont font(QString::fromLocal8Bit(fontSpec.Name.data(), static_cast<qsizetype>(fontSpec.Name.size())));
    if (fontSpec.Size > 0)
        font.setPointSize(fontSpec.Size);
    else if (fontSpec.Size < 0 && fontSpec.Size > INT32_MIN)
        font.setPixelSize(-fontSpec.Size);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QColor DisplayQColor(const DisplayFontSpec& fontSpec, const QPalette& palette)
{
    return ToQColor(fontSpec.Color, palette);
}

} // namespace ov
