#include "library/ui/ovPhraseDialogs.h"

TPhraseEditFrm::TPhraseEditFrm() { setObjectName(QStringLiteral("PhraseEditFrm")); }
TDelFrm::TDelFrm() { setObjectName(QStringLiteral("DelFrm")); }
