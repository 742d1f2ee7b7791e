#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ov {

// The most a user file (phrase list, settings file) may hold when it is read
// whole: 64 MiB. Anything larger is not one of ours, and reading it would
// stall the program.
inline constexpr size_t kUserFileCap = size_t(64) << 20;

enum class ReadStatus {
    Ok,
    Missing,    // no such file (or a dangling link)
    NotRegular, // a folder, FIFO, device or socket: never read
    TooLarge,   // more than the cap (only when the caller asked for all of it)
    Failed,     // opened or read with an error
};

// Reads a regular file. It is opened without blocking (a FIFO cannot hang the
// program) and checked after opening, so nothing else is ever read. Links
// are followed. At most cap bytes are taken: without `truncated` a larger
// file gives TooLarge; with it, the first cap bytes are returned and
// *truncated tells whether more followed. reason gets a sentence for the
// user on every failure.
ReadStatus ReadRegularFile(const std::string& path, std::string& out, size_t cap, std::string* reason = nullptr,
                           bool* truncated = nullptr);

// ReadRegularFile with kUserFileCap; true on Ok.
bool ReadWholeFile(const std::string& path, std::string& out, std::string* reason = nullptr);

// True for an existing regular file (links followed).
bool IsRegularFile(const std::string& path);

// Writes a user file so that the old content stays whole until the new one
// is complete, and keeps the user's arrangement of it:
// - A symbolic link is written through: its target is replaced (atomically,
//   beside the target), the link stays.
// - Normally a temporary ".<name>.XXXXXX" is written beside the file,
//   flushed, given the old file's owner, group and mode, and renamed over
//   it; the folder is then flushed too, so a save that returned survives a
//   power loss.
// - A file with several hard links, a file whose owner or group cannot be
//   given to a new file, and a file in a folder we may not write (or that
//   has no write bits, even for root) are rewritten in place: room is
//   reserved first, so a full disk fails before anything changes, but a
//   crash during the write itself may leave the file partly written.
// - An existing file we may not write, or without any write bit (even for
//   root), gets the error a direct write would; so do folders, FIFOs and
//   devices, which are never written.
// - Temporaries of this very file (".<name>.XXXXXX", the exact name) that
//   an interrupted save left in the folder are removed; one that another
//   save is still writing (it holds a lock on it) is left alone, and so is
//   every other file.
// On failure returns false with the system's reason.
bool WriteFileAtomic(const std::string& path, std::string_view data, std::string* reason = nullptr);

// Whether a folder entry is a temporary that WriteFileAtomic makes for the
// file `fileName`: "." + fileName + "." + six letters or digits.
bool IsOwnTemporaryName(std::string_view entry, std::string_view fileName);

// Removes the unlocked temporaries of the file `fileName` from a folder;
// returns how many went.
size_t RemoveStaleTemporaries(const std::string& folder, std::string_view fileName);

} // namespace ov
