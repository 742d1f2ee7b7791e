#include "branding/codepage.h"

#include <QStringDecoder>
#include <map>

namespace ov {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Windows-1251 (Cyrillic) 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr char16_t kCp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

char16_t Cp1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b); }

char16_t Cp1251(unsigned char b)
{
    if (b < 0x80) return b;
    if (b < 0xC0) return kCp1251High[b - 0x80];
    return char16_t(0x0410 + (b - 0xC0));
}

// The bullets and boxes that word processors write in Symbol and Wingdings.
char16_t Symbol(unsigned char b)
{
    switch (b) {
    case 0xB7: return 0x2022; // Symbol: bullet
    case 0xA7: return 0x25AA; // Wingdings: small square
    case 0xA8: return 0x25FB;
    case 0xD8: return 0x27A2; // Wingdings: arrowhead
    case 0xFC: return 0x2713; // Wingdings: check mark
    case 0x6F: return 0x25A1;
    case 0x6E: return 0x25A0;
    case 0x71: return 0x2751;
    default: return Cp1252(b);
    }
}

template <typename F> QString Table(std::string_view bytes, F map)
{
    QString s;
    s.resize(qsizetype(bytes.size()));
    QChar* out = s.data();
    for (unsigned char b : bytes) *out++ = QChar(map(b));
    return s;
}

} // namespace

QString DecodeCodePage(int codePage, std::string_view bytes)
{
    switch (codePage) {
    case 1252: return Table(bytes, Cp1252);
    case 1251: return Table(bytes, Cp1251);
    case kSymbolCodePage: return Table(bytes, Symbol);
    case 65001: return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    default: break;
    }
    if (codePage > 0 && codePage < 100000) {
        QStringDecoder dec(("windows-" + std::to_string(codePage)).c_str());
        if (!dec.isValid()) dec = QStringDecoder(("cp" + std::to_string(codePage)).c_str());
        if (dec.isValid()) {
            QString s = dec.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
            if (!dec.hasError()) return s;
        }
    }
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

int CodePageForCharset(int charset)
{
    // ANSI (0) and default (1) follow the document: writers put \fcharset0
    // on fonts of documents in any code page.
    static const std::map<int, int> kPages = {
        {2, kSymbolCodePage}, {77, 10000}, {128, 932}, {129, 949}, {134, 936},
        {136, 950}, {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256},
        {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}};
    const auto it = kPages.find(charset);
    return it == kPages.end() ? 0 : it->second;
}

} // namespace ov
