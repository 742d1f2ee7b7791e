#include "platform/ui/pagefont.h"

#include <QFontDatabase>
#include <QStringList>

namespace ov {

QFont PageFont()
{
    static const QFont font = [] {
        if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
            return QFont(QStringLiteral("Tahoma"), 8);
        QFont f(QStringLiteral("Sans Serif"), 8);
        f.setStyleHint(QFont::SansSerif);
        return f;
    }();
    return font;
}

} // namespace ov
