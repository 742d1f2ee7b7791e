#pragma once
#include "library/phrasepool.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ov {

class IniDoc;

// The library folder beside the executable and the path of one list in it.
std::string LibraryFolder(); // ExeFolder() + "Affirmations", no trailing separator
std::string CategoryFolder(const std::string& category);
std::string ListPath(const std::string& category, const std::string& list);
std::string TickSection(const std::string& category); // category + "-Affirmations"

// A list is ticked or not: a number is ticked when not zero, "True" and
// "False" in any case. Anything else throws "'...' is not a valid boolean
// value".
bool ParseTickState(const std::string& state);

// Remembers what was reported to the user, so that the same fault is told
// once: again only when it changed (another signature) or was forgotten.
class ReportMemory {
public:
    bool IsNew(const std::string& what, const std::string& signature);
    void Forget(const std::string& what) { seen_.erase(what); }
    void ForgetAll() { seen_.clear(); }

private:
    std::map<std::string, std::string> seen_;
};

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
// leading blanks, and a line break would end the line.
bool TickRecordCanHold(const std::string& listName);

// Makes the category's record hold exactly keys 0..n-1 ("name:True" or
// "name:False"), one line each: leftover keys of deleted lists, duplicates
// and lines the program did not write go. A list the record cannot hold
// gets no line.
void WriteTickRecord(IniDoc& doc, const std::string& category, const std::vector<std::string>& names,
                     const std::vector<bool>& ticked);

// Refills the pool from the files of the ticked lists, list after list in
// the given order. Missing files and folders are passed over. A list that
// cannot be read (or is not a regular file, or is larger than the cap) is
// left out and the rest still fill the pool. Returns a message for each
// such list that is news to `reported` (a first failure, or the file changed
// since it was told); a list that reads again is forgotten there. Without
// `reported` every failure is returned.
std::vector<std::string> BuildPhrasePool(const std::string& category, const std::vector<std::string>& tickedLists,
                                         PhrasePool& pool, ReportMemory* reported = nullptr);

} // namespace ov
