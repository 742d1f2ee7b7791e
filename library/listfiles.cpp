#include "library/listfiles.h"
#include "library/listlines.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/utils.h"
#include "platform/translate.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {

namespace {

// UTF-16 code units to a QString; false when the bytes are no UTF-16 text
// (an odd byte at the end, a surrogate without its partner).
bool DecodeUtf16(std::string_view bytes, bool littleEndian, QString& out)
{
    const size_t units = bytes.size() / 2;
    out.resize(qsizetype(units));
    QChar* d = out.data();
    for (size_t i = 0; i < units; ++i) {
        const auto a = static_cast<unsigned char>(bytes[2 * i]), b = static_cast<unsigned char>(bytes[2 * i + 1]);
        d[i] = QChar(char16_t(littleEndian ? (b << 8 | a) : (a << 8 | b)));
    }
    bool ok = bytes.size() % 2 == 0;
    for (size_t i = 0; ok && i < units; ++i) {
        if (d[i].isHighSurrogate()) ok = i + 1 < units && d[++i].isLowSurrogate();
        else ok = !d[i].isLowSurrogate();
    }
    return ok;
}

} // namespace

std::string ListFileName(const std::string& listName) { return listName + ".txt"; }
std::string ListFilePattern(const std::string& categoryFolder) { return categoryFolder + "/*.txt"; }

ListText DecodeListText(std::string_view bytes)
{
    ListText list;
    ListFormat& f = list.format;
    QString text;
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        f.encoding = bytes[0] == '\xFF' ? ListEncoding::Utf16LE : ListEncoding::Utf16BE;
        f.byteOrderMark = true;
        if (!DecodeUtf16(bytes.substr(2), f.encoding == ListEncoding::Utf16LE, text))
            list.readOnlyReason = Tr("Lists", "it holds bytes that are not UTF-16 text");
    } else {
        f.byteOrderMark = DropUtf8Mark(bytes);
        f.encoding = IsValidUtf8(bytes) ? ListEncoding::Utf8 : ListEncoding::Latin1;
        text = TextOfBytes(bytes);
    }
    // The lines move down in place, each break made one LF: the joined text
    // is never longer, and a 64 MiB list needs no second copy.
    QChar* const begin = text.isEmpty() ? nullptr : text.data();
    QChar* out = begin;
    bool firstBreak = true;
    const bool cut = ForEachListLine(QStringView(text), [&](QStringView line, QStringView lineBreak) {
        std::memmove(out, line.data(), size_t(line.size()) * sizeof(QChar));
        out += line.size();
        if (lineBreak.isEmpty()) return;
        // Read before the LF is written: it may land on the break itself.
        if (firstBreak) f.lineBreak = lineBreak.toLatin1().toStdString();
        firstBreak = false;
        *out++ = u'\n';
    });
    text.truncate(out - begin);
    list.text = std::move(text);
    if (cut) list.readOnlyReason = Tr("Lists", "it holds a NUL character, and what follows it is not shown");
    return list;
}

std::string EncodeListText(const QString& text, const ListFormat& format)
{
    QString t = text;
    if (format.lineBreak != "\n") t.replace(QLatin1Char('\n'), QString::fromLatin1(format.lineBreak));
    std::string out;
    switch (format.encoding) {
    case ListEncoding::Utf16LE:
    case ListEncoding::Utf16BE: {
        const bool le = format.encoding == ListEncoding::Utf16LE;
        out.reserve(size_t(t.size()) * 2 + 2);
        if (format.byteOrderMark) out.append(le ? "\xFF\xFE" : "\xFE\xFF");
        for (const QChar c : t) {
            const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
            out.push_back(le ? lo : hi);
            out.push_back(le ? hi : lo);
        }
        return out;
    }
    case ListEncoding::Latin1: {
        bool latin1 = true;
        for (const QChar c : t) latin1 = latin1 && c.unicode() <= 0xFF;
        if (format.byteOrderMark) out.append("\xEF\xBB\xBF");
        if (latin1) return out.append(t.toLatin1().toStdString());
        break;
    }
    case ListEncoding::Utf8:
        if (format.byteOrderMark) out.append("\xEF\xBB\xBF");
        break;
    }
    const QByteArray utf8 = t.toUtf8();
    return out.append(utf8.constData(), size_t(utf8.size()));
}

static std::string TooLarge() { return Tr("Lists", "Text exceeds memo capacity"); }

ListText LoadListText(const std::string& path, size_t capacity)
{
    std::string bytes, reason;
    // A huge file is refused before it is read into memory.
    const ReadStatus status = ReadRegularFile(path, bytes, capacity, &reason);
    if (status == ReadStatus::TooLarge) throw OvError(TooLarge());
    if (status != ReadStatus::Ok)
        throw OvError(Format(Tr("Lists", "Cannot open file \"%s\". %s"), path.c_str(), reason.c_str()));
    return DecodeListText(bytes);
}

std::string FileStamp(const std::string& path)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return {};
    return Format("%llu:%llu:%lld:%lld.%ld", (unsigned long long)st.st_dev, (unsigned long long)st.st_ino,
                  (long long)st.st_size, (long long)st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
}

void SaveListText(const std::string& path, std::string_view text)
{
    std::string reason;
    if (!WriteFileAtomic(path, text, &reason))
        throw OvError(Format(Tr("Lists", "Cannot create file \"%s\". %s"), path.c_str(), reason.c_str()));
}

std::string NewListNameProblem(const std::string& name)
{
    const std::string quoted = "\"" + name + "\"";
    if (name.find('\0') != std::string::npos)
        return Tr("Lists", "The name cannot be used: it contains a NUL character.");
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return Format(Tr("Lists", "The name %s cannot be used: a list name cannot contain \"/\" or \"\\\"."), quoted.c_str());
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return Tr("Lists", "The name cannot be used: a list name cannot contain line breaks, tabs or other control characters.");
    // The settings file trims a leading blank away, so such a list could
    // never keep its tick.
    if (!name.empty() && name.front() == ' ')
        return Format(Tr("Lists", "The name %s cannot be used: a list name cannot start with a blank."), quoted.c_str());
    if (name == "." || name == "..")
        return Format(Tr("Lists", "The name %s cannot be used: \".\" and \"..\" name folders, not lists."), quoted.c_str());
    if (ListFileName(name).size() > NAME_MAX)
        return Format(Tr("Lists", "The name cannot be used: it is longer than the file system allows (%d bytes with \".txt\")."),
                      int(NAME_MAX));
    return {};
}

NewListResult CreateEmptyList(const std::string& categoryFolder, const std::string& name)
{
    if (!FolderExists(categoryFolder)) return NewListResult::NoCategoryFolder;
    const std::string file = ListFileName(name);
    if (!FindFileNoCase(categoryFolder, file).empty()) return NewListResult::AlreadyExists;
    const std::string path = categoryFolder + "/" + file;
    // O_EXCL: a list that appeared meanwhile is never emptied.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) return NewListResult::AlreadyExists;
        throw OvError(Format(Tr("Lists", "Cannot create file \"%s\". %s"), path.c_str(), std::strerror(errno)));
    }
    close(fd);
    return NewListResult::Created;
}

void DeleteListFile(const std::string& path)
{
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        throw OvError(Format(Tr("Lists", "Cannot delete file \"%s\". %s"), path.c_str(), std::strerror(errno)));
}

} // namespace ov
