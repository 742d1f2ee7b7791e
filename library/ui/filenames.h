#pragma once
#include "platform/text.h"

#include <QByteArray>
#include <QVariant>
#include <string>

namespace ov {

// Names of categories and lists are the bytes the file system holds, not
// always UTF-8: widgets show a readable stand-in and keep the bytes as the
// item's data.
inline QString ShownName(const std::string& name) { return TextOfBytes(name); }
inline QByteArray NameData(const std::string& name) { return QByteArray(name.data(), qsizetype(name.size())); }
inline std::string NameOf(const QVariant& data)
{
    const QByteArray b = data.toByteArray();
    return std::string(b.constData(), size_t(b.size()));
}

} // namespace ov
