#pragma once
#include <QStringList>
#include <string>

namespace ov {

// A text of the logic in the user's language. The English text is the key
// and comes back itself when no translation is loaded or none is known. The
// result stays valid for the life of the program, so it serves as a format.
const char* Tr(const char* context, const char* text);

// Installs the program's translation and Qt's own (the standard buttons) for
// the first of the languages ("de-AT", "fr", most wanted first) that has
// one, from the folder holding orvella_<language>.qm. English, the source,
// counts as shipped: "en, de" stays English, "xx, fr" is French. Returns
// the language installed ("de", "fr_CA"), empty for English.
std::string InstallTranslations(const QStringList& languages, const std::string& folder);
// The same for the user's locale (LANGUAGE first, then LC_ALL, LC_MESSAGES,
// LANG) and the shipped translations.
std::string InstallTranslations();
// Removes what InstallTranslations put in, back to English.
void RemoveTranslations();

} // namespace ov
