#include "settings/ui/ovFontDialogs.h"

TSizefrm::TSizefrm() { setObjectName(QStringLiteral("Sizefrm")); }
TColorFrm::TColorFrm() { setObjectName(QStringLiteral("ColorFrm")); }
TNameFrm::TNameFrm() { setObjectName(QStringLiteral("NameFrm")); }
