#include "platform/utils.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {

std::string Format(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    va_list copy;
    va_copy(copy, ap);
    const int n = std::vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(out.data(), out.size() + 1, fmt, ap);
    va_end(ap);
    return out;
}

static char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
static char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }

std::string AsciiLower(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = LowerAscii(c);
    return r;
}

std::string AsciiUpper(std::string_view s)
{
    std::string r(s);
    for (char& c : r) c = UpperAscii(c);
    return r;
}

bool SameTextAscii(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return UpperAscii(x) == UpperAscii(y); });
}

bool LessTextAscii(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(UpperAscii(x)) < static_cast<unsigned char>(UpperAscii(y));
    });
}

bool SplitAtDelimiter(std::string_view source, std::string_view delimiter, bool caseSensitive,
                      std::string& head, std::string& tail)
{
    // Work on a copy: head or tail may alias the source.
    const std::string src(source);
    size_t k;
    if (caseSensitive)
        k = src.find(delimiter);
    else
        k = AsciiUpper(src).find(AsciiUpper(delimiter));
    if (k == std::string::npos || delimiter.empty()) {
        head.clear();
        tail = src;
        return false;
    }
    tail = src.substr(k + delimiter.size());
    head = src.substr(0, k);
    return true;
}

static void SortNames(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        if (LessTextAscii(a, b)) return true;
        if (LessTextAscii(b, a)) return false;
        return a < b; // same letters in another case: still a fixed order
    });
}

// FIFOs, devices and sockets (or links to them) are never lists or
// pictures: listing them would only lead to a read that hangs or never ends.
static bool IsSpecialEntry(const std::string& folder, const dirent& e)
{
    if (e.d_type == DT_REG || e.d_type == DT_DIR) return false;
    if (e.d_type == DT_FIFO || e.d_type == DT_CHR || e.d_type == DT_BLK || e.d_type == DT_SOCK) return true;
    struct stat st {};
    if (stat((folder + "/" + e.d_name).c_str(), &st) != 0) return false; // dangling: listed, passed over later
    return !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

std::vector<std::string> ListFiles(const std::string& pattern, bool keepExtensions)
{
    std::vector<std::string> names;
    const size_t slash = pattern.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash);
    const std::string wildcard = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        if (fnmatch(wildcard.c_str(), name.c_str(), 0) != 0) continue;
        if (IsSpecialEntry(folder, *e)) continue;
        if (keepExtensions) {
            names.push_back(name);
        } else {
            const size_t dot = name.find_last_of('.');
            names.push_back(dot == std::string::npos ? name : name.substr(0, dot));
        }
    }
    closedir(dir);
    SortNames(names);
    return names;
}

std::vector<std::string> ListSubfolders(const std::string& path)
{
    std::string folder = path;
    for (const char* suffix : {"/*.*", "/*"}) {
        const std::string s = suffix;
        if (folder.size() >= s.size() && folder.compare(folder.size() - s.size(), s.size(), s) == 0) {
            folder.resize(folder.size() - s.size());
            break;
        }
    }
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.empty() || name[0] == '.') continue; // hidden, "." and ".."
        if (FolderExists(folder + "/" + name)) names.push_back(name);
    }
    closedir(dir);
    SortNames(names);
    return names;
}

static std::string& ExePathOverride()
{
    static std::string path;
    return path;
}

void SetExePath(const std::string& path) { ExePathOverride() = path; }

// The kernel's own bytes for the executable. Qt's applicationFilePath()
// decodes the name, and a folder name that is not UTF-8 does not survive the
// way back: every file beside the executable would be missed.
static std::string ReadExeLink()
{
    std::string buf(256, '\0');
    for (;;) {
        const ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n <= 0) return {};
        if (size_t(n) < buf.size()) return buf.substr(0, size_t(n));
        buf.resize(buf.size() * 2);
    }
}

std::string ExePath()
{
    if (!ExePathOverride().empty()) return ExePathOverride();
    // Taken once: a package upgrade while the program runs turns the link
    // into "<path> (deleted)".
    static const std::string fromKernel = ReadExeLink();
    if (!fromKernel.empty()) return fromKernel;
    if (QCoreApplication::instance())
        return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    return "./Orvella";
}

std::string ExeFolder()
{
    const std::string p = ExePath();
    const size_t slash = p.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : p.substr(0, slash + 1);
}

std::string ExeBaseName()
{
    const std::string p = ExePath();
    const size_t slash = p.find_last_of('/');
    std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

bool FileExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FolderExists(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceFolders(const std::string& path)
{
    if (path.empty()) return false;
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    if (FolderExists(p)) return true;
    const size_t slash = p.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !ForceFolders(p.substr(0, slash))) return false;
    return mkdir(p.c_str(), 0777) == 0 || (errno == EEXIST && FolderExists(p));
}

std::string FindFileNoCase(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return {};
    std::string found;
    while (dirent* e = readdir(dir)) {
        if (SameTextAscii(e->d_name, name)) {
            const std::string candidate = e->d_name;
            struct stat st {};
            const std::string path = (folder.empty() ? std::string() : folder + "/") + candidate;
            if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
                found = candidate;
                if (candidate == name) break; // the exact spelling wins
            }
        }
    }
    closedir(dir);
    return found;
}

} // namespace ov
