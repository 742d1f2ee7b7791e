#include "display/displayfont.h"

#include "settings/colors.h"

#include <QString>

namespace ov {

QFont DisplayQFont(const CategorySettings& settings)
{
    QFont font(QString::fromLocal8Bit(settings.FontName.data(), static_cast<qsizetype>(settings.FontName.size())));
    if (settings.FontSize > 0)
        font.setPointSize(settings.FontSize);
    else if (settings.FontSize < 0 && settings.FontSize > INT32_MIN)
        font.setPixelSize(-settings.FontSize);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QColor DisplayQColor(const CategorySettings& settings, const QPalette& palette)
{
    return ToQColor(settings.FontColor, palette);
}

} // namespace ov
