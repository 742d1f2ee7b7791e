#pragma once
#include <QString>
#include <string>

namespace ov {

// The one crossing between the program's byte texts (the system's 8-bit
// encoding, UTF-8 on Linux) and the widgets' QString.
inline QString Q(const std::string& s) { return QString::fromLocal8Bit(s.data(), qsizetype(s.size())); }
inline std::string S(const QString& s) { return s.toLocal8Bit().toStdString(); }

} // namespace ov
