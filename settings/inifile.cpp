#include "settings/inifile.h"

#include "platform/error.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/utils.h"
#include "platform/translate.h"

#include <string_view>

namespace ov {

namespace {

// Longest value a read returns, as the profile functions did.
constexpr size_t MaxValueLength = 2047;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Cuts a value to the longest length a read returns. A UTF-8 character the
// cut would split goes whole; a byte that belongs to no such character (a
// Latin-1 file) is only a byte, so the cut stays at the limit.
std::string CapValue(std::string_view v)
{
    if (v.size() <= MaxValueLength) return std::string(v);
    const size_t n = MaxValueLength;
    size_t start = n;
    while (start > 0 && n - start < 3 && IsContinuation(v[start])) --start;
    const unsigned char lead = static_cast<unsigned char>(v[start]);
    const size_t len = (lead >= 0xF0 && lead <= 0xF4) ? 4 : (lead >= 0xE0 && lead <= 0xEF) ? 3 : (lead >= 0xC2 && lead <= 0xDF) ? 2 : 0;
    if (len == 0 || start == n || start + len <= n || start + len > v.size()) return std::string(v.substr(0, n));
    for (size_t k = 1; k < len; ++k)
        if (!IsContinuation(v[start + k])) return std::string(v.substr(0, n));
    return std::string(v.substr(0, start));
}

enum class LineKind { Blank, Comment, Section, Key, Other };

struct Line {
    size_t start = 0;    // first byte
    size_t contentEnd = 0; // end of the text, before the line ending
    size_t end = 0;      // after the line ending
    LineKind kind = LineKind::Other;
    std::string_view name;  // section or key name, trimmed
    size_t valueStart = 0;  // for keys: first byte after "="
};

// Walks the text line by line; the classification of each line is what
// every read and write agrees on.
class LineScanner {
public:
    explicit LineScanner(const std::string& text) : text_(text) {}

    bool Next(Line& line)
    {
        if (pos_ >= text_.size()) return false;
        line = Line{};
        line.start = pos_;
        const size_t nl = text_.find('\n', pos_);
        if (nl == std::string::npos) {
            line.contentEnd = line.end = text_.size();
        } else {
            line.end = nl + 1;
            line.contentEnd = (nl > pos_ && text_[nl - 1] == '\r') ? nl - 1 : nl;
        }
        size_t from = line.start;
        // An editor's byte order mark must not hide the first section.
        if (from == 0 && text_.compare(0, 3, "\xEF\xBB\xBF") == 0 && line.contentEnd >= 3) from = 3;
        Classify(line, std::string_view(text_).substr(from, line.contentEnd - from), from);
        pos_ = line.end;
        return true;
    }

private:
    void Classify(Line& line, std::string_view content, size_t offset)
    {
        const std::string_view t = Trim(content);
        if (t.empty()) { line.kind = LineKind::Blank; return; }
        if (t[0] == ';' || t[0] == '#') { line.kind = LineKind::Comment; return; }
        if (t[0] == '[') {
            // The last bracket closes the name, so names may hold "]".
            const size_t close = t.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                line.kind = LineKind::Section;
                line.name = Trim(t.substr(1, close - 1));
                return;
            }
        }
        const size_t eq = content.find('=');
        if (eq != std::string_view::npos) {
            const std::string_view key = Trim(content.substr(0, eq));
            if (!key.empty()) {
                line.kind = LineKind::Key;
                line.name = key;
                line.valueStart = offset + eq + 1;
                return;
            }
        }
        line.kind = LineKind::Other;
    }

    const std::string& text_;
    size_t pos_ = 0;
};

// Where a section and a key sit in the text.
struct Location {
    bool sectionFound = false;
    size_t insertAt = 0;        // after the section's last non-blank line
    bool keyFound = false;
    Line keyLine;
};

// Section names are matched exactly: "[Calm-Settings]" and "[calm-Settings]"
// belong to two categories. Spelt otherwise only as a fallback: one written
// by hand.
bool SameSection(std::string_view a, std::string_view b, bool exact) { return exact ? a == b : SameTextAscii(a, b); }

bool HasSection(const std::string& text, std::string_view section, bool exact)
{
    LineScanner scanner(text);
    Line line;
    while (scanner.Next(line))
        if (line.kind == LineKind::Section && SameSection(line.name, section, exact)) return true;
    return false;
}

// Reads follow the section spelt exactly, else the first spelt otherwise.
bool ReadExactly(const std::string& text, std::string_view section)
{
    return HasSection(text, section, true) || !HasSection(text, section, false);
}

// The key lines of the first section of that name, in file order.
template <typename Sink>
void ForEachKeyLine(const std::string& text, std::string_view section, bool exact, Sink&& sink)
{
    LineScanner scanner(text);
    Line line;
    bool inSection = false;
    while (scanner.Next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection) break;
            inSection = SameSection(line.name, section, exact);
        } else if (inSection && line.kind == LineKind::Key) {
            sink(line);
        }
    }
}

Location Locate(const std::string& text, std::string_view section, std::string_view key, bool exact)
{
    Location loc;
    LineScanner scanner(text);
    Line line;
    bool inSection = false;
    while (scanner.Next(line)) {
        if (line.kind == LineKind::Section) {
            if (inSection) break; // only the first section of a name counts
            if (SameSection(line.name, section, exact)) {
                inSection = true;
                loc.sectionFound = true;
                loc.insertAt = line.end;
            }
            continue;
        }
        if (!inSection) continue;
        if (line.kind != LineKind::Blank) loc.insertAt = line.end;
        if (line.kind == LineKind::Key && !loc.keyFound && !key.empty() && SameTextAscii(line.name, key)) {
            loc.keyFound = true;
            loc.keyLine = line;
        }
    }
    return loc;
}

std::string LineBreakOf(const std::string& text)
{
    const size_t nl = text.find('\n');
    return (nl != std::string::npos && nl > 0 && text[nl - 1] == '\r') ? "\r\n" : "\n";
}

// A name or value that would not read back as written is refused rather
// than allowed to corrupt the file.
void CheckStorable(const std::string& section, const std::string& key, const std::string* value)
{
    auto hasBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos || s.find('\0') != std::string_view::npos;
    };
    if (hasBreak(section))
        throw OvError(Format(Tr("SettingsFile", "The section name \"%s\" cannot be stored in the settings file."), section.c_str()));
    const std::string_view k = Trim(key);
    if (hasBreak(key) || k.empty() || k.find('=') != std::string_view::npos || k.front() == ';'
        || k.front() == '#' || k.front() == '[')
        throw OvError(Format(Tr("SettingsFile", "The key name \"%s\" cannot be stored in the settings file."), key.c_str()));
    if (value && hasBreak(*value))
        throw OvError(Format(Tr("SettingsFile", "The value of \"%s\" cannot be stored in the settings file: it holds a line break."),
                             key.c_str()));
}

} // namespace

bool ParseIniInteger(const std::string& text, int32_t& value)
{
    const std::string_view t = Trim(text);
    if (t.empty()) return false;

    auto parseHex = [&value](std::string_view digits) {
        if (digits.empty()) return false;
        uint64_t v = 0;
        for (char c : digits) {
            int d;
            if (c >= '0' && c <= '9') d = c - '0';
            else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
            else return false;
            v = v * 16 + uint64_t(d);
            if (v > 0xFFFFFFFFu) return false;
        }
        // Hexadecimal gives the 32-bit pattern: $FF000008 is a system colour.
        value = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    };

    if (t[0] == '$') return parseHex(t.substr(1));
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) return parseHex(t.substr(2));

    size_t i = 0;
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        i = 1;
    }
    if (i >= t.size()) return false;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
        if (v > int64_t(INT32_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<int32_t>(v);
    return true;
}

IniDoc::IniDoc(std::string text) : text_(std::move(text)) {}

void IniDoc::MakeExactSection(std::string_view section)
{
    if (ReadExactly(text_, section)) return;
    // Reads took the section spelt otherwise; a write starts the exact one
    // from its keys, so no value read so far is lost.
    std::string keys;
    ForEachKeyLine(text_, section, false, [&](const Line& line) {
        keys.append(text_, line.start, line.contentEnd - line.start).append(LineBreakOf(text_));
    });
    const std::string eol = LineBreakOf(text_);
    if (!text_.empty() && text_.back() != '\n') text_.append(eol);
    text_.append("[").append(section).append("]").append(eol).append(keys);
}

bool IniDoc::HasKey(const std::string& section, const std::string& key) const
{
    return Locate(text_, Trim(section), Trim(key), ReadExactly(text_, Trim(section))).keyFound;
}

std::string IniDoc::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    const Location loc = Locate(text_, Trim(section), Trim(key), ReadExactly(text_, Trim(section)));
    if (!loc.keyFound) return def;
    const Line& l = loc.keyLine;
    return CapValue(Trim(std::string_view(text_).substr(l.valueStart, l.contentEnd - l.valueStart)));
}

int32_t IniDoc::ReadInteger(const std::string& section, const std::string& key, int32_t def) const
{
    int32_t v;
    return ParseIniInteger(ReadString(section, key, std::string()), v) ? v : def;
}

bool IniDoc::ReadBool(const std::string& section, const std::string& key, bool def) const
{
    int32_t v;
    return ParseIniInteger(ReadString(section, key, std::string()), v) ? v != 0 : def;
}

std::vector<std::pair<std::string, std::string>> IniDoc::ReadSection(const std::string& section) const
{
    std::vector<std::pair<std::string, std::string>> out;
    const std::string_view wanted = Trim(section);
    ForEachKeyLine(text_, wanted, ReadExactly(text_, wanted), [&](const Line& line) {
        const std::string_view v = std::string_view(text_).substr(line.valueStart, line.contentEnd - line.valueStart);
        out.emplace_back(std::string(line.name), CapValue(Trim(v)));
    });
    return out;
}

void IniDoc::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    CheckStorable(section, key, &value);
    const std::string_view sec = Trim(section);
    const std::string_view k = Trim(key);
    MakeExactSection(sec);
    const Location loc = Locate(text_, sec, k, true);

    if (loc.keyFound) {
        // Keep the key's own spelling and the blanks after "=": only the
        // value changes.
        const Line& l = loc.keyLine;
        size_t from = l.valueStart;
        while (from < l.contentEnd && (text_[from] == ' ' || text_[from] == '\t')) ++from;
        text_.replace(from, l.contentEnd - from, value);
        return;
    }

    const std::string eol = LineBreakOf(text_);
    std::string add;
    size_t at;
    if (loc.sectionFound) {
        at = loc.insertAt;
    } else {
        at = text_.size();
        add.append("[").append(sec).append("]").append(eol);
    }
    add.append(k).append("=").append(value).append(eol);
    // The line before the new one needs an ending of its own.
    if (at > 0 && text_[at - 1] != '\n') add.insert(0, eol);
    text_.insert(at, add);
}

void IniDoc::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void IniDoc::WriteBool(const std::string& section, const std::string& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void IniDoc::DeleteKey(const std::string& section, const std::string& key)
{
    const std::string_view sec = Trim(section);
    const std::string_view k = Trim(key);
    if (k.empty()) return;
    MakeExactSection(sec);
    // Every copy of the key goes, so that a read afterwards gives the default.
    std::string out;
    out.reserve(text_.size());
    LineScanner scanner(text_);
    Line line;
    bool inSection = false, seenSection = false, removed = false;
    while (scanner.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = !seenSection && line.name == sec;
            seenSection = seenSection || inSection;
        } else if (inSection && line.kind == LineKind::Key && SameTextAscii(line.name, k)) {
            removed = true;
            continue;
        }
        out.append(text_, line.start, line.end - line.start);
    }
    if (removed) text_ = std::move(out);
}

void IniDoc::SetSectionKeys(const std::string& section, const std::vector<std::pair<std::string, std::string>>& keys)
{
    for (const auto& [key, value] : keys) CheckStorable(section, key, &value);
    const std::string_view sec = Trim(section);
    MakeExactSection(sec);
    std::string out;
    out.reserve(text_.size());
    LineScanner scanner(text_);
    Line line;
    bool inSection = false, seenSection = false;
    while (scanner.Next(line)) {
        if (line.kind == LineKind::Section) {
            inSection = !seenSection && line.name == sec;
            seenSection = seenSection || inSection;
        } else if (inSection && line.kind == LineKind::Key) {
            continue;
        }
        out.append(text_, line.start, line.end - line.start);
    }
    text_ = std::move(out);
    if (keys.empty()) return;
    const Location loc = Locate(text_, sec, std::string_view(), true);
    const std::string eol = LineBreakOf(text_);
    std::string add;
    size_t at = text_.size();
    if (loc.sectionFound) at = loc.insertAt;
    else add.append("[").append(sec).append("]").append(eol);
    for (const auto& [key, value] : keys) add.append(Trim(key)).append("=").append(value).append(eol);
    if (at > 0 && text_[at - 1] != '\n') add.insert(0, eol);
    text_.insert(at, add);
}

// --- IniFile ---------------------------------------------------------------

IniDoc IniFile::Load() const
{
    // Anything but a readable regular file reads as no settings at all; a
    // write then reports why instead of replacing it.
    std::string text;
    if (ReadRegularFile(path_, text, kUserFileCap) != ReadStatus::Ok) text.clear();
    return IniDoc(std::move(text));
}

std::string IniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    return Load().ReadString(section, key, def);
}

int32_t IniFile::ReadInteger(const std::string& section, const std::string& key, int32_t def) const
{
    return Load().ReadInteger(section, key, def);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const
{
    return Load().ReadBool(section, key, def);
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSection(const std::string& section) const
{
    return Load().ReadSection(section);
}

void IniFile::Update(const std::function<void(IniDoc&)>& edits)
{
    // A file that exists but cannot be read must not be replaced by the
    // few keys this write holds.
    std::string text, reason;
    const ReadStatus status = ReadRegularFile(path_, text, kUserFileCap, &reason);
    if (status != ReadStatus::Ok && status != ReadStatus::Missing)
        throw OvError(Format(Tr("SettingsFile", "Cannot read the settings file \"%s\": %s."), path_.c_str(), reason.c_str()));
    const bool existed = status == ReadStatus::Ok;
    IniDoc doc(text);
    edits(doc);
    if (existed && doc.Text() == text) return; // nothing changed
    if (!WriteFileAtomic(path_, doc.Text(), &reason))
        throw OvError(Format(Tr("SettingsFile", "Cannot write the settings file \"%s\": %s."), path_.c_str(), reason.c_str()));
}

void IniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    Update([&](IniDoc& d) { d.WriteString(section, key, value); });
}

void IniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    Update([&](IniDoc& d) { d.WriteInteger(section, key, value); });
}

void IniFile::WriteBool(const std::string& section, const std::string& key, bool value)
{
    Update([&](IniDoc& d) { d.WriteBool(section, key, value); });
}

void IniFile::DeleteKey(const std::string& section, const std::string& key)
{
    Update([&](IniDoc& d) { d.DeleteKey(section, key); });
}

std::string SettingsFilePath() { return UserSettingsFile(); }

} // namespace ov
