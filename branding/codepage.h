#pragma once
#include <QString>
#include <string_view>

namespace ov {

// Text bytes of an RTF document in a Windows code page. 1252 and 1251 are
// decoded from tables of our own, so they work whatever converters Qt was
// built with; 65001 is UTF-8; any other page goes to Qt's converter and,
// failing that, is read as Latin-1. kSymbolCodePage stands for fonts with
// the symbol character set, whose bullets are mapped to their Unicode forms.
inline constexpr int kSymbolCodePage = 42;
QString DecodeCodePage(int codePage, std::string_view bytes);

// The code page of an RTF font character set (\fcharsetN), or 0 when the
// character set says nothing about it (the document's code page applies).
int CodePageForCharset(int charset);

} // namespace ov
