#include "platform/paths.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/utils.h"
#include "platform/translate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ov {

namespace {

const char* const kLibrary = "Affirmations";
const char* const kFolderName = "orvella";
const char* const kSettingsName = "Orvella.ini";

std::string WithSlash(std::string s)
{
    if (s.empty() || s.back() != '/') s += '/';
    return s;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// The executable's path with its extension replaced by ".ini".
std::string BesideExeSettings(const std::string& exePath)
{
    std::string path = exePath;
    const size_t slash = path.find_last_of('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot > nameStart) path.resize(dot);
    return path + ".ini";
}

// "/usr/bin/" gives "/usr/share/orvella/": named without "..", so messages
// and the auto-start entry show a plain path.
std::string ShareFolderBeside(const std::string& exeFolder)
{
    std::string parent = exeFolder;
    while (parent.size() > 1 && parent.back() == '/') parent.pop_back();
    const size_t slash = parent.find_last_of('/');
    parent = slash == std::string::npos ? std::string("../") : parent.substr(0, slash + 1);
    return parent + "share/" + kFolderName + "/";
}

std::string BaseFolder(const char* xdg, const char* home, const char* fallback)
{
    if (xdg && xdg[0] == '/') return WithSlash(xdg);
    return WithSlash(home && home[0] == '/' ? home : "/") + fallback;
}

bool PathExists(const std::string& path)
{
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

std::string SysError(int err) { return std::strerror(err); }

// Copies a folder tree of regular files, each written and flushed, so the
// copy is writable by the user even when the shipped files are not.
bool CopyTree(const std::string& from, const std::string& to, std::string& why)
{
    if (mkdir(to.c_str(), 0777) != 0 && errno != EEXIST) {
        why = to + ": " + SysError(errno);
        return false;
    }
    DIR* dir = opendir(from.c_str());
    if (!dir) {
        why = from + ": " + SysError(errno);
        return false;
    }
    bool ok = true;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        const std::string src = from + "/" + name, dst = to + "/" + name;
        struct stat st {};
        if (stat(src.c_str(), &st) != 0) continue;
        if (S_ISDIR(st.st_mode)) {
            ok = CopyTree(src, dst, why);
        } else if (S_ISREG(st.st_mode)) {
            std::string text, reason;
            ok = ReadWholeFile(src, text, &reason) && WriteFileAtomic(dst, text, &reason);
            if (!ok) why = reason;
        }
        if (!ok) break;
    }
    closedir(dir);
    return ok;
}

void RemoveTree(const std::string& path)
{
    if (DIR* dir = opendir(path.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            const std::string p = path + "/" + name;
            struct stat st {};
            if (lstat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                RemoveTree(p);
            else
                unlink(p.c_str());
        }
        closedir(dir);
    }
    rmdir(path.c_str());
}

// The starter library goes in under a temporary name and is renamed into
// place, so a crash never leaves half a library that would then count as
// the user's own.
std::string SeedLibrary(const std::string& shipped, const std::string& target)
{
    const std::string parent = FolderOf(target);
    std::string temp = parent + ".Affirmations-XXXXXX";
    if (!mkdtemp(temp.data())) return Format("%s: %s", parent.c_str(), std::strerror(errno));
    std::string why;
    if (!CopyTree(shipped, temp, why)) {
        RemoveTree(temp);
        return why;
    }
    // mkdtemp makes it private; the library gets the mode its folders have.
    const mode_t mask = umask(0);
    umask(mask);
    if (chmod(temp.c_str(), 0777 & ~mask) != 0) {
        const int err = errno;
        RemoveTree(temp);
        return temp + ": " + SysError(err);
    }
    if (rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        RemoveTree(temp);
        // Another copy starting at the same moment seeded it first.
        if ((err == EEXIST || err == ENOTEMPTY) && FolderExists(target)) return {};
        return target + ": " + SysError(err);
    }
    return {};
}

FileLayout& Current()
{
    static FileLayout layout;
    return layout;
}

} // namespace

bool FolderWritable(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0222) != 0
        && access(path.c_str(), W_OK) == 0;
}

FileLayout DecideFileLayout(const std::string& exePath, const char* xdgConfigHome, const char* xdgDataHome,
                            const char* home)
{
    const std::string exeFolder = FolderOf(exePath);
    const bool holdsFiles = FolderExists(exeFolder + kLibrary) || PathExists(BesideExeSettings(exePath));
    FileLayout layout;
    if (holdsFiles && FolderWritable(exeFolder)) return layout;

    layout.portable = false;
    layout.configFolder = BaseFolder(xdgConfigHome, home, ".config/") + kFolderName + "/";
    layout.settingsFile = layout.configFolder + kSettingsName;
    layout.dataFolder = BaseFolder(xdgDataHome, home, ".local/share/") + kFolderName + "/";
    // A read-only portable folder ships its own files beside the executable.
    const std::string share = ShareFolderBeside(exeFolder);
    layout.shippedFolder = FolderExists(share) ? share : exeFolder;
    return layout;
}

FileLayout DecideFileLayout()
{
    std::string home;
    if (const char* h = std::getenv("HOME"); h && h[0] == '/')
        home = h;
    else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        home = pw->pw_dir;
    return DecideFileLayout(ExePath(), std::getenv("XDG_CONFIG_HOME"), std::getenv("XDG_DATA_HOME"),
                            home.c_str());
}

void UseFileLayout(const FileLayout& layout) { Current() = layout; }
const FileLayout& CurrentFileLayout() { return Current(); }

std::string UserSettingsFile()
{
    return Current().portable ? BesideExeSettings(ExePath()) : Current().settingsFile;
}

std::string UserDataFolder() { return Current().portable ? ExeFolder() : Current().dataFolder; }

std::string ShippedFolder() { return Current().portable ? ExeFolder() : Current().shippedFolder; }

std::string PictureFolder(const std::string& fileName)
{
    if (!Current().portable && !FindFileNoCase(Current().dataFolder, fileName).empty()) return Current().dataFolder;
    return ShippedFolder();
}

std::string PrepareUserFiles(const FileLayout& layout)
{
    if (layout.portable) return {};
    for (const std::string& folder : {layout.configFolder, layout.dataFolder}) {
        if (!ForceFolders(folder))
            return Format(Tr("Paths", "Orvella cannot create the folder %s for your files: %s"), folder.c_str(),
                          std::strerror(errno));
    }
    const std::string library = layout.dataFolder + kLibrary;
    if (PathExists(library)) return {};
    const std::string shipped = layout.shippedFolder + kLibrary;
    if (!FolderExists(shipped)) {
        if (!ForceFolders(library))
            return Format(Tr("Paths", "Orvella cannot create the folder %s for your phrase lists: %s"), library.c_str(),
                          std::strerror(errno));
        return {};
    }
    const std::string why = SeedLibrary(shipped, library);
    if (!why.empty())
        return Format(Tr("Paths", "Orvella could not copy the starter phrase lists into %s:\r\n%s"), library.c_str(), why.c_str());
    return {};
}

} // namespace ov
