#include "branding/ovRegFile.h"
#include "platform/ovFiles.h"
#include "platform/ovUtils.h"

#include <QString>
#include <cstdlib>

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

void ParseLine(std::string_view line, RegValues& values)
{
    if (line.find('\0') != std::string_view::npos) return; // binary, not a value line
    size_t pos = 0;
    SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '"') return; // header, [key], comment, continuation
    std::string name;
    if (!ReadQuoted(line, pos, name)) return;
    SkipBlanks(line, pos);
    if (pos >= line.size() || line[pos] != '=') return;
    ++pos;
    SkipBlanks(line, pos);
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
    } else {
        // dword:, hex:, hex(n): ... exist but are not text.
        values.Set(name, std::string());
    }
}

std::string Utf16LeToUtf8(std::string_view bytes)
{
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(static_cast<unsigned char>(bytes[2 * i])
                            | (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
    return QString::fromUtf16(units.data(), qsizetype(units.size())).toUtf8().toStdString();
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
    while (!content.empty()) {
        const size_t nl = content.find('\n');
        std::string_view line = content.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ParseLine(line, values);
        if (nl == std::string_view::npos) break;
        content.remove_prefix(nl + 1);
    }
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

std::string FindConfigFile(const std::string& relPath, const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders) {
        const std::string candidate = folder + relPath;
        if (IsRegularFile(candidate)) return candidate; // a FIFO or folder there hides nothing
    }
    return {};
}

} // namespace ov
