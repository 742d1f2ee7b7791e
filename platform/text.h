#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace ov {

// The one crossing between the program's byte texts (the system's 8-bit
// encoding, UTF-8 on Linux) and the widgets' QString.
inline QString Q(const std::string& s) { return QString::fromLocal8Bit(s.data(), qsizetype(s.size())); }
inline std::string S(const QString& s) { return s.toLocal8Bit().toStdString(); }

// Whether the bytes are well-formed UTF-8. A text that is not (a list
// written in Latin-1, say) is read byte for byte as Latin-1, so no letter
// turns into a replacement character and a save gives back the same bytes.
bool IsValidUtf8(std::string_view bytes);

// Whether every byte is ASCII: such text needs no Unicode segmentation.
inline bool IsAscii(std::string_view bytes)
{
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// A phrase or list text for display: UTF-8 when it is, else Latin-1.
inline QString TextOfBytes(std::string_view bytes)
{
    return IsValidUtf8(bytes) ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                              : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

} // namespace ov
