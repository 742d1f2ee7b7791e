#pragma once
#include <string>

namespace ov {

// Where the user's files live, decided once at start-up.
//
// Portable: the executable's folder already holds the program's files (an
// "Affirmations" folder or the settings file) and may be written; everything
// stays beside the executable, as in the build tree or an unpacked folder.
//
// Installed (for example /usr/bin): the settings in $XDG_CONFIG_HOME/orvella,
// the phrase library in $XDG_DATA_HOME/orvella, seeded from the shipped
// files found relative to the executable (../share/orvella).
struct FileLayout {
    bool portable = true;
    // Installed only; every folder ends in "/".
    std::string settingsFile;
    std::string configFolder;
    std::string dataFolder;
    std::string shippedFolder;
};

// The decision for an executable. Relative XDG values are ignored, as the
// base-directory rules ask; home is used for the defaults.
FileLayout DecideFileLayout(const std::string& exePath, const char* xdgConfigHome, const char* xdgDataHome,
                            const char* home);
FileLayout DecideFileLayout(); // for the running executable and environment

// The layout every user file is named by. Portable until one is set, so
// programs and tests that point the executable's path at a temporary folder
// work on the files there.
void UseFileLayout(const FileLayout& layout);
const FileLayout& CurrentFileLayout();

// The settings file: portable, the executable's path with ".ini".
std::string UserSettingsFile();
// The parent of the "Affirmations" folder, with its trailing separator.
std::string UserDataFolder();
// Where the shipped files are read: the help document, the starter library
// and the pictures that replace the built-in ones.
std::string ShippedFolder();
// The folder that holds a replacement picture: the user's data folder when
// the picture is there (found without regard to case), else the shipped one.
std::string PictureFolder(const std::string& fileName);

// Installed: creates the user's folders and, when the user has no phrase
// library yet, copies the shipped one (never over an existing one). Returns
// a message for the user when something could not be prepared, else empty.
std::string PrepareUserFiles(const FileLayout& layout);

// A folder that may be written: write bits present (a folder without them
// counts as read-only, even for root) and access granted.
bool FolderWritable(const std::string& path);

} // namespace ov
