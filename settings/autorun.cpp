#include "settings/autorun.h"

#include "platform/files.h"
#include "platform/text.h"
#include "platform/utils.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ov {

namespace {

// The warnings name the entry and why it failed, so the user can fix it.
std::string ReadWarning(const std::string& path, const std::string& reason)
{
    return Format(Tr("AutoStart", "Could not read the auto-start entry %s: %s."), path.c_str(), reason.c_str());
}
std::string WriteWarning(const std::string& path, const std::string& reason)
{
    return Format(Tr("AutoStart", "Could not write the auto-start entry %s: %s. Orvella will not start when you log in."), path.c_str(),
                  reason.c_str());
}
std::string RemoveWarning(const std::string& path, const std::string& reason)
{
    return Format(Tr("AutoStart", "Could not remove the auto-start entry %s: %s. Orvella will still start when you log in."),
                  path.c_str(), reason.c_str());
}
std::string NameWarning(const std::string& exe)
{
    return Format(Tr("AutoStart", "Auto-start cannot be set for this folder name: %s. Desktop entries hold only UTF-8 text "
                                  "without control characters; move Orvella to a folder whose name is valid UTF-8 text."),
                  exe.c_str());
}

// The desktop refuses an entry whose values are not UTF-8 or hold a control
// character other than those its escapes spell (tab, line ends).
bool FitsDesktopEntry(const std::string& path)
{
    if (!IsValidUtf8(path)) return false;
    for (const char c : path)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7f) return false;
    return true;
}

// The icon the install rules put in the hicolor theme (tools/install.cmake).
constexpr const char* kInstalledIcon = "com.halvorn.Orvella";

void Warn(const AutoRunWarn& warn, const std::string& text)
{
    if (warn) warn(text);
}

std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

// The string escapes of desktop entry values.
std::string EscapeString(const std::string& s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string UnescapeString(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char n = s[i + 1];
            const char* plain = n == 's' ? " " : n == 'n' ? "\n" : n == 't' ? "\t" : n == 'r' ? "\r" : n == '\\' ? "\\" : nullptr;
            if (plain) {
                out += plain;
                ++i;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::string UnescapePercent(const std::string& s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        if (s[i] == '%' && i + 1 < s.size() && s[i + 1] == '%') ++i;
    }
    return out;
}

// Splits an Exec command line (string escapes already undone) into its
// arguments; nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitExec(const std::string& cmd)
{
    std::vector<std::string> args;
    size_t i = 0;
    while (i < cmd.size()) {
        if (cmd[i] == ' ' || cmd[i] == '\t' || cmd[i] == '\n') { ++i; continue; }
        std::string arg;
        if (cmd[i] == '"') {
            ++i;
            bool closed = false;
            while (i < cmd.size()) {
                const char c = cmd[i];
                if (c == '"') { closed = true; ++i; break; }
                if (c == '\\' && i + 1 < cmd.size() && std::string_view("\"`$\\").find(cmd[i + 1]) != std::string_view::npos) {
                    arg += cmd[i + 1];
                    i += 2;
                    continue;
                }
                arg += c;
                ++i;
            }
            if (!closed) return std::nullopt;
        } else {
            while (i < cmd.size() && cmd[i] != ' ' && cmd[i] != '\t' && cmd[i] != '\n') arg += cmd[i++];
        }
        args.push_back(UnescapePercent(arg));
    }
    return args;
}

std::string TrimBlanks(const std::string& s)
{
    const size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return {};
    const size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

struct Entry {
    std::string exec;
    bool hasExec = false;
    bool hidden = false;
    bool disabled = false;
};

// Reads the keys of the "Desktop Entry" group; nothing when the text is not
// a desktop entry.
std::optional<Entry> ParseEntry(const std::string& text)
{
    Entry entry;
    bool inMain = false, sawMain = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t nl = text.find('\n', pos);
        if (nl == std::string::npos) nl = text.size();
        const std::string line = TrimBlanks(text.substr(pos, nl - pos));
        pos = nl + 1;
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            if (line.back() != ']') return std::nullopt;
            inMain = line == "[Desktop Entry]" && !sawMain;
            sawMain = sawMain || inMain;
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) return std::nullopt;
        if (!inMain) continue;
        const std::string key = TrimBlanks(line.substr(0, eq));
        const std::string value = TrimBlanks(line.substr(eq + 1));
        if (key == "Exec" && !entry.hasExec) {
            entry.exec = UnescapeString(value);
            entry.hasExec = true;
        } else if (key == "Hidden") {
            entry.hidden = SameTextAscii(value, "true");
        } else if (key == "X-GNOME-Autostart-enabled") {
            entry.disabled = SameTextAscii(value, "false");
        }
    }
    if (!sawMain || !entry.hasExec) return std::nullopt;
    return entry;
}

} // namespace

std::string AutoRunFolder()
{
    // Relative values are invalid by the base directory rules and ignored.
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base = (config && config[0] == '/') ? std::string(config) : HomeFolder() + "/.config";
    return base + "/autostart";
}

std::string AutoRunEntryPath()
{
    return AutoRunFolder() + "/" + AsciiLower(ExeBaseName()) + ".desktop";
}

std::string DesktopExecQuote(const std::string& path)
{
    std::string q = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') q += '\\';
        if (c == '%') q += '%';
        q += c;
    }
    q += '"';
    return EscapeString(q);
}

std::string AutoRunEntryText(const std::string& exePath)
{
    // A trailing blank of a value is dropped by the readers unless escaped.
    std::string tryExec = EscapeString(exePath);
    if (!tryExec.empty() && tryExec.back() == ' ') tryExec.replace(tryExec.size() - 1, 1, "\\s");
    // The product's name, not the command's; TryExec lets the desktop skip
    // the entry once the program is gone.
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Orvella\n"
           "Exec=" + DesktopExecQuote(exePath) + "\n"
           "TryExec=" + tryExec + "\n"
           "Icon=" + std::string(kInstalledIcon) + "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

bool IsAutoRunSet(const AutoRunWarn& warn)
{
    const std::string path = AutoRunEntryPath();
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 && (errno == ENOENT || errno == ENOTDIR)) return false;

    std::string text, reason;
    if (!ReadWholeFile(path, text, &reason)) {
        Warn(warn, ReadWarning(path, reason));
        return false;
    }
    const std::optional<Entry> entry = ParseEntry(text);
    if (!entry) {
        Warn(warn, ReadWarning(path, Tr("AutoStart", "it is not a desktop entry with an Exec line")));
        return false;
    }
    if (entry->hidden || entry->disabled) return false;

    // This executable, quoted or not. File names are case-sensitive here, so
    // a path in another letter case is another program.
    const std::string exe = ExePath();
    if (entry->exec == exe || entry->exec == "\"" + exe + "\"") return true;
    const auto args = SplitExec(entry->exec);
    if (!args) {
        Warn(warn, ReadWarning(path, Tr("AutoStart", "its Exec line has a quote that is never closed")));
        return false;
    }
    return args->size() == 1 && args->front() == exe;
}

void SetAutoRun(bool on, const AutoRunWarn& warn)
{
    if (on && IsAutoRunSet(warn)) return;
    const std::string folder = AutoRunFolder();
    const std::string path = AutoRunEntryPath();
    if (on) {
        // The desktop would drop such an entry silently at the next logon:
        // say so now and write nothing.
        const std::string exe = ExePath();
        if (!FitsDesktopEntry(exe)) {
            Warn(warn, NameWarning(exe));
            return;
        }
        std::string reason;
        if (!ForceFolders(folder))
            reason = errno == EEXIST ? Format(Tr("AutoStart", "%s is not a folder"), folder.c_str()) : std::strerror(errno);
        else if (!WriteFileAtomic(path, AutoRunEntryText(exe), &reason) && reason.empty())
            reason = Tr("AutoStart", "the file could not be replaced");
        if (!reason.empty()) Warn(warn, WriteWarning(path, reason));
        return;
    }
    // An entry that stays behind would start the program at the next logon
    // against the user's choice, so that failure is reported too.
    if (unlink(path.c_str()) != 0 && errno != ENOENT && errno != ENOTDIR)
        Warn(warn, RemoveWarning(path, std::strerror(errno)));
}

} // namespace ov
