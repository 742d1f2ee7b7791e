#pragma once
#include "library/ovPhrasePool.h"

#include <functional>
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

// Applies the tick record's key=value lines, in file order, to the lists by
// name (without regard to case, names matched whole). Lines without ":" and
// names of no present list are skipped. A bad state throws after the ticks
// set so far were applied.
void ApplyTickRecord(const std::vector<std::pair<std::string, std::string>>& lines,
                     const std::vector<std::string>& listNames,
                     const std::function<void(size_t index, bool ticked)>& setTick);

// Writes keys 0..n-1 ("name:True"/"name:False") and removes leftover keys
// numbered n and above, so a deleted list's old entry cannot come back.
void WriteTickRecord(IniDoc& doc, const std::string& category, const std::vector<std::string>& names,
                     const std::vector<bool>& ticked);

// Refills the pool from the files of the ticked lists, list after list in
// the given order. Missing files and folders are passed over; an unreadable
// file throws, leaving what was gathered until then in the pool.
void BuildPhrasePool(const std::string& category, const std::vector<std::string>& tickedLists, PhrasePool& pool);

} // namespace ov
