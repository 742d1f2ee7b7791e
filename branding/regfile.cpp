#include "branding/regfile.h"
#include "platform/files.h"
#include "platform/utils.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <optional>
#include <cstdlib>
#include <dirent.h>

namespace ov {

std::string RegValues::Get(std::string_view name) const
{
    const auto it = values_.find(AsciiLower(name));
    return it == values_.end() ? std::string() : it->second;
}

bool RegValues::Has(std::string_view name) const { return values_.count(AsciiLower(name)) != 0; }

void RegValues::Set(std::string_view name, std::string value)
{
    values_[AsciiLower(name)] = std::move(value);
}

namespace {

// Reads a quoted text starting at s[pos] == '"'. Only \\ and \" are escapes
// in this syntax; any other backslash stands for itself.
bool ReadQuoted(std::string_view s, size_t& pos, std::string& out)
{
    out.clear();
    for (++pos; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '"') { ++pos; return true; }
        if (c == '\\' && pos + 1 < s.size() && (s[pos + 1] == '\\' || s[pos + 1] == '"')) {
            out += s[++pos];
            continue;
        }
        out += c;
    }
    return false; // no closing quote
}

void SkipBlanks(std::string_view s, size_t& pos)
{
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t')) ++pos;
}

std::string Utf16LeToUtf8(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(static_cast<unsigned char>(bytes[2 * i])
                            | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return QString::fromUtf16(units.data(), qsizetype(units.size())).toUtf8().toStdString();
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && SameTextAscii(s.substr(0, prefix.size()), prefix);
}

// Reads "name" = and leaves pos at the start of the value.
bool ReadNameAndEquals(std::string_view line, size_t& pos, std::string& name)
{
    pos = 0;
    SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '"') return false; // header, [key], comment, continuation
    if (!ReadQuoted(line, pos, name)) return false;
    SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') return false;
    ++pos;
    SkipBlanks(line, pos);
    return true;
}

// A hex value is the only one that continues on the next line.
bool IsHexValueLine(std::string_view line)
{
    size_t pos = 0;
    std::string name;
    return ReadNameAndEquals(line, pos, name) && StartsWithNoCase(line.substr(pos), "hex");
}

// "41,00,42,00" (blanks allowed around the bytes); nothing when malformed.
std::optional<std::string> ParseHexBytes(std::string_view list)
{
    std::string bytes;
    size_t pos = 0;
    SkipBlanks(list, pos);
    if (pos >= list.size()) return bytes;
    for (;;) {
        SkipBlanks(list, pos);
        unsigned value = 0;
        size_t digits = 0;
        for (; pos < list.size() && std::isxdigit(static_cast<unsigned char>(list[pos])) && digits < 3; ++pos, ++digits)
            value = value * 16 + unsigned(std::isdigit(static_cast<unsigned char>(list[pos]))
                                              ? list[pos] - '0'
                                              : (list[pos] | 0x20) - 'a' + 10);
        if (digits == 0 || digits > 2) return std::nullopt;
        bytes += char(value);
        SkipBlanks(list, pos);
        if (pos >= list.size()) return bytes;
        if (list[pos] != ',') return std::nullopt;
        ++pos;
    }
}

void ParseLine(std::string_view line, RegValues& values)
{
    if (line.find('\0') != std::string_view::npos) return; // binary, not a value line
    size_t pos = 0;
    std::string name;
    if (!ReadNameAndEquals(line, pos, name)) return;
    if (pos >= line.size()) return;
    if (line[pos] == '"') {
        std::string value;
        if (!ReadQuoted(line, pos, value)) return;
        SkipBlanks(line, pos);
        if (pos < line.size() && line[pos] != ';') return; // junk after the closing quote
        values.Set(name, std::move(value));
    } else if (line[pos] == '-') {
        // "Name"=- removes a value when the file is imported: absent.
        values.Set(name, std::string());
    } else if (const std::string_view rest = line.substr(pos);
               StartsWithNoCase(rest, "hex(2):") || StartsWithNoCase(rest, "hex(1):")) {
        // Text types written as UTF-16LE bytes (expandable and plain
        // strings): returned as stored, up to the terminating zero, never
        // expanded. Malformed bytes read as empty, like a value of another type.
        const auto bytes = ParseHexBytes(rest.substr(7));
        std::string text;
        if (bytes) {
            text = Utf16LeToUtf8(*bytes);
            text.resize(std::min(text.size(), text.find('\0')));
        }
        values.Set(name, std::move(text));
    } else {
        // dword:, hex:, other hex(n): ... exist but are not text.
        values.Set(name, std::string());
    }
}

RegValues Parse(std::string_view content, bool dropLastLine)
{
    std::string decoded;
    if (content.size() >= 2 && static_cast<unsigned char>(content[0]) == 0xFF
        && static_cast<unsigned char>(content[1]) == 0xFE) {
        decoded = Utf16LeToUtf8(content.substr(2));
        content = decoded;
    } else if (content.substr(0, 3) == "\xEF\xBB\xBF") {
        content.remove_prefix(3);
    }
    if (dropLastLine) {
        const size_t nl = content.find_last_of('\n');
        content = nl == std::string_view::npos ? std::string_view() : content.substr(0, nl);
    }
    RegValues values;
    std::string joined; // a hex value continued with a trailing backslash
    while (!content.empty()) {
        const size_t nl = content.find('\n');
        std::string_view line = content.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!joined.empty()) {
            // Only more hex bytes continue a value: a value line after a
            // stray backslash is a value of its own.
            size_t lead = 0;
            SkipBlanks(line, lead);
            if (lead < line.size() && std::isxdigit(static_cast<unsigned char>(line[lead]))) {
                line.remove_prefix(lead);
            } else {
                ParseLine(joined, values);
                joined.clear();
            }
        }
        if (!line.empty() && line.back() == '\\' && (!joined.empty() || IsHexValueLine(line))) {
            joined.append(line.substr(0, line.size() - 1));
        } else if (!joined.empty()) {
            joined.append(line);
            ParseLine(joined, values);
            joined.clear();
        } else {
            ParseLine(line, values);
        }
        if (nl == std::string_view::npos) break;
        content.remove_prefix(nl + 1);
    }
    if (!joined.empty()) ParseLine(joined, values);
    return values;
}

} // namespace

RegValues ParseRegValues(std::string_view content) { return Parse(content, false); }

bool ReadFileHead(const std::string& path, size_t maxBytes, std::string& out, bool& truncated)
{
    return ReadRegularFile(path, out, maxBytes, nullptr, &truncated) == ReadStatus::Ok;
}

RegValues ReadRegFile(const std::string& path, size_t maxBytes)
{
    std::string content;
    bool truncated = false;
    if (!ReadFileHead(path, maxBytes, content, truncated)) return {};
    return Parse(content, truncated);
}

std::vector<std::string> ConfigSearchFolders(const char* xdgConfigHome, const char* home,
                                             const char* xdgConfigDirs)
{
    auto withSlash = [](std::string s) {
        if (s.empty() || s.back() != '/') s += '/';
        return s;
    };
    std::vector<std::string> folders;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        folders.push_back(withSlash(xdgConfigHome));
    else if (home && home[0] == '/')
        folders.push_back(withSlash(home) + ".config/");

    std::string dirs = xdgConfigDirs && xdgConfigDirs[0] ? xdgConfigDirs : "/etc/xdg";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t colon = dirs.find(':', start);
        if (colon == std::string::npos) colon = dirs.size();
        const std::string entry = dirs.substr(start, colon - start);
        if (!entry.empty() && entry[0] == '/') folders.push_back(withSlash(entry));
        start = colon + 1;
    }
    return folders;
}

std::vector<std::string> ConfigSearchFolders()
{
    return ConfigSearchFolders(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"),
                               std::getenv("XDG_CONFIG_DIRS"));
}

// One step of a relative path below a folder ending in "/": the exact name
// first, else an entry of the same letters in another case.
static std::string StepNoCase(const std::string& folder, const std::string& name, bool wantFile)
{
    // A FIFO or folder where the record should be hides nothing.
    auto fits = [&](const std::string& n) { return wantFile ? IsRegularFile(folder + n) : FolderExists(folder + n); };
    if (fits(name)) return name;
    std::string found;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            if (SameTextAscii(e->d_name, name) && fits(e->d_name)) {
                found = e->d_name;
                break;
            }
        }
        closedir(dir);
    }
    return found;
}

std::string FindConfigFile(const std::string& relPath, const std::vector<std::string>& folders)
{
    // Registry keys match without regard to case, so the folders standing
    // in for them do too: /usr/bin/orvella finds Halvorn/Orvella/.
    for (const std::string& folder : folders) {
        std::string at = folder;
        size_t start = 0;
        for (;;) {
            const size_t slash = relPath.find('/', start);
            const bool last = slash == std::string::npos;
            const std::string part = relPath.substr(start, last ? std::string::npos : slash - start);
            const std::string step = StepNoCase(at, part, last);
            if (step.empty()) break;
            at += step;
            if (last) return at;
            at += '/';
            start = slash + 1;
        }
    }
    return {};
}

} // namespace ov
