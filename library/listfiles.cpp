#include "library/listfiles.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/utils.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {

std::string EditorTextFromBytes(std::string_view bytes)
{
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.remove_prefix(3);
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    const size_t n = bytes.size();
    size_t start = 0;
    while (start < n) {
        const size_t brk = bytes.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            out.append(bytes.substr(start));
            break;
        }
        out.append(bytes.substr(start, brk - start));
        out.append("\r\n");
        start = brk + 1;
        if (bytes[brk] == '\r' && start < n && bytes[start] == '\n') ++start;
    }
    return out;
}

static std::string TooLarge() { return "Text exceeds memo capacity"; }

std::string LoadEditorText(const std::string& path, size_t capacity)
{
    std::string bytes, reason;
    // A huge file is refused before it is read into memory.
    const ReadStatus status = ReadRegularFile(path, bytes, capacity, &reason);
    if (status == ReadStatus::TooLarge) throw OvError(TooLarge());
    if (status != ReadStatus::Ok)
        throw OvError(Format("Cannot open file \"%s\". %s", path.c_str(), reason.c_str()));
    std::string text = EditorTextFromBytes(bytes);
    if (text.size() > capacity) throw OvError(TooLarge());
    return text;
}

void SaveListText(const std::string& path, std::string_view text)
{
    std::string reason;
    if (!WriteFileAtomic(path, text, &reason))
        throw OvError(Format("Cannot create file \"%s\". %s", path.c_str(), reason.c_str()));
}

std::string NewListNameProblem(const std::string& name)
{
    const std::string quoted = "\"" + name + "\"";
    if (name.find('\0') != std::string::npos)
        return "The name cannot be used: it contains a NUL character.";
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return "The name " + quoted + " cannot be used: a list name cannot contain \"/\" or \"\\\".";
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return "The name cannot be used: a list name cannot contain line breaks, tabs or other control characters.";
    // The settings file trims a leading blank away, so such a list could
    // never keep its tick.
    if (!name.empty() && name.front() == ' ')
        return "The name " + quoted + " cannot be used: a list name cannot start with a blank.";
    if (name == "." || name == "..")
        return "The name " + quoted + " cannot be used: \".\" and \"..\" name folders, not lists.";
    if (name.size() + 4 > NAME_MAX)
        return Format("The name cannot be used: it is longer than the file system allows (%d bytes with \".txt\").",
                      int(NAME_MAX));
    return {};
}

NewListResult CreateEmptyList(const std::string& categoryFolder, const std::string& name)
{
    if (!FolderExists(categoryFolder)) return NewListResult::NoCategoryFolder;
    const std::string file = name + ".txt";
    if (!FindFileNoCase(categoryFolder, file).empty()) return NewListResult::AlreadyExists;
    const std::string path = categoryFolder + "/" + file;
    // O_EXCL: a list that appeared meanwhile is never emptied.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        if (errno == EEXIST) return NewListResult::AlreadyExists;
        throw OvError(Format("Cannot create file \"%s\". %s", path.c_str(), std::strerror(errno)));
    }
    close(fd);
    return NewListResult::Created;
}

void DeleteListFile(const std::string& path)
{
    if (unlink(path.c_str()) != 0 && errno != ENOENT)
        throw OvError(Format("Cannot delete file \"%s\". %s", path.c_str(), std::strerror(errno)));
}

} // namespace ov
