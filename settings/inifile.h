#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ov {

// The settings file's text held in memory with the edits that a write makes.
// Every line that no edit touches keeps its bytes, so comments, blank lines
// and other programs' lines survive.
class IniDoc {
public:
    explicit IniDoc(std::string text = {});

    // Reads follow the first section of that name, spelt exactly, else
    // (a file written by hand) without regard to case; writes go to the
    // section spelt exactly. A value is the text after "=", blanks trimmed, at most
    // 2047 characters.
    bool HasKey(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    // The key=value lines of a section in file order (key and value trimmed).
    std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& section) const;

    // Replaces the value in place, else appends the key at the end of its
    // section, else appends the section at the end of the text.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void DeleteKey(const std::string& section, const std::string& key);
    // Makes the section hold exactly these keys, in this order, one line
    // each: every other key line of the section goes (duplicates, foreign
    // keys); its comments and blank lines stay.
    void SetSectionKeys(const std::string& section, const std::vector<std::pair<std::string, std::string>>& keys);

    const std::string& Text() const { return text_; }

private:
    void MakeExactSection(std::string_view section);
    std::string text_;
};

// The settings file on disk. Each operation opens the file afresh and closes
// it again; each write replaces the file atomically. A failed write throws
// OvError, leaving the file as it was.
class IniFile {
public:
    explicit IniFile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    std::vector<std::pair<std::string, std::string>> ReadSection(const std::string& section) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void WriteBool(const std::string& section, const std::string& key, bool value);
    void DeleteKey(const std::string& section, const std::string& key);
    // Applies several edits with one read and one atomic write.
    void Update(const std::function<void(IniDoc&)>& edits);
    // Writes are durable when they return; kept for the callers that flush.
    void UpdateFile() {}

    IniDoc Load() const; // the current text; a missing or unreadable file reads as empty

private:
    std::string path_;
};

// The integer rule of the settings file: optional sign and decimal digits,
// hexadecimal behind "$", or behind "0x"/"0X" when the text is longer than
// two characters. False for any other text.
bool ParseIniInteger(const std::string& text, int32_t& value);

// SettingsFile: the executable's path with the extension ".ini", or the
// per-user one of an installed program.
std::string SettingsFilePath();

} // namespace ov
