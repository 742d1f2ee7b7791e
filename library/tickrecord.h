#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ov {

class IniDoc;

// The ticks of a category's phrase lists live in the settings file, in the
// section [<category>-Affirmations]: one line per list, keyed by its
// position, "name:True" or "name:False".
std::string TickSection(const std::string& category);

// A list is ticked or not: a number is ticked when not zero, "True" and
// "False" in any case. Anything else throws "'...' is not a valid boolean
// value".
bool ParseTickState(const std::string& state);

// A line of the tick record whose state is neither a number nor True/False.
struct BadTickLine {
    std::string key, value, state;
};

// Applies the tick record's key=value lines, in file order, to the lists by
// name, matched whole and exactly; a line whose name matches no list exactly
// goes to a list no line names, without regard to case. A value is split at
// its last ":", so list names may hold colons. Lines without ":" and names
// of no present list are skipped. Lines with a bad state are skipped too and
// returned, so one bad line costs no other tick.
std::vector<BadTickLine> ApplyTickRecord(const std::vector<std::pair<std::string, std::string>>& lines,
                                         const std::vector<std::string>& listNames,
                                         const std::function<void(size_t index, bool ticked)>& setTick);

// The message for bad lines of a category's record in the settings file.
std::string BadTickLinesMessage(const std::string& settingsFile, const std::string& category,
                                const std::vector<BadTickLine>& lines);

// Whether the record can keep a list's tick: a value read back loses its
// leading blanks, a line break or NUL would end the line, and an empty name
// names no list.
bool TickRecordCanHold(const std::string& listName);

// Makes the category's record hold exactly one line per list, keyed by its
// position 0..n-1 ("name:True" or "name:False"): leftover keys of deleted
// lists, duplicates and lines the program did not write go. A list the
// record cannot hold gets no line, so its key is missing.
void WriteTickRecord(IniDoc& doc, const std::string& category, const std::vector<std::string>& names,
                     const std::vector<bool>& ticked);

} // namespace ov
