#include "library/libraryfolders.h"
#include "testsupport.h"
#include "platform/paths.h"
#include "platform/utils.h"
#include "settings/inifile.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// A prefix as a package unpacks it: <root>/usr/bin/orvella and the shipped
// files in <root>/usr/share/orvella.
class FileLayoutTest : public ::testing::Test {
protected:
    void TearDown() override { ov::UseFileLayout({}); }

    std::string Root() const { return tmp_.Dir(); }
    std::string Exe() const { return tmp_.Path("usr/bin/orvella"); }
    ov::FileLayout Decide(const std::string& exe) const
    {
        return ov::DecideFileLayout(exe, (Root() + "/cfg").c_str(), (Root() + "/data").c_str(),
                                    (Root() + "/home").c_str());
    }
    void Ship()
    {
        tmp_.Write("usr/bin/orvella", "");
        tmp_.Write("usr/share/orvella/Affirmations/Calm/Peace.txt", "I am calm\r\n");
        tmp_.Write("usr/share/orvella/Affirmations/Calm/Sleep.txt", "I sleep well\r\n");
        tmp_.Write("usr/share/orvella/Help/ovHelp.rtf", "{\\rtf1 help}");
        // Installed files are read-only to the user.
        for (const auto& e : fs::recursive_directory_iterator(tmp_.Path("usr")))
            chmod(e.path().c_str(), e.is_directory() ? 0555 : 0444);
    }

    ovtest::TempExeFolder tmp_;
};

TEST_F(FileLayoutTest, PortableOnlyWhereTheProgramsFilesAreAndMayBeWritten)
{
    const std::string exe = tmp_.Path("app/Orvella");
    tmp_.Write("app/Orvella", "");
    EXPECT_FALSE(Decide(exe).portable) << "a folder without the program's files";

    tmp_.Write("app/Orvella.ini", "");
    EXPECT_TRUE(Decide(exe).portable) << "the settings file alone";
    fs::remove(tmp_.Path("app/Orvella.ini"));
    tmp_.MakeFolder("app/Affirmations");
    EXPECT_TRUE(Decide(exe).portable) << "the library alone";

    // Portable names everything beside the executable, as before.
    ov::SetExePath(exe);
    ov::UseFileLayout(Decide(exe));
    EXPECT_EQ(ov::SettingsFilePath(), tmp_.Path("app/Orvella.ini"));
    EXPECT_EQ(ov::LibraryFolder(), tmp_.Path("app/Affirmations"));
    EXPECT_EQ(ov::ShippedFolder(), tmp_.Path("app/"));

    // No write bits is read-only, even for root.
    chmod(tmp_.Path("app").c_str(), 0555);
    EXPECT_FALSE(Decide(exe).portable);
    chmod(tmp_.Path("app").c_str(), 0755);
}

TEST_F(FileLayoutTest, InstalledNamesTheUsersFoldersAndTheShippedOnes)
{
    Ship();
    ov::FileLayout layout = Decide(Exe());
    ASSERT_FALSE(layout.portable);
    EXPECT_EQ(layout.settingsFile, Root() + "/cfg/orvella/Orvella.ini");
    EXPECT_EQ(layout.dataFolder, Root() + "/data/orvella/");
    EXPECT_EQ(layout.shippedFolder, Root() + "/usr/share/orvella/");

    ov::SetExePath(Exe());
    ov::UseFileLayout(layout);
    EXPECT_EQ(ov::SettingsFilePath(), layout.settingsFile);
    EXPECT_EQ(ov::LibraryFolder(), layout.dataFolder + "Affirmations");
    EXPECT_EQ(ov::ShippedFolder(), layout.shippedFolder);
    // A picture the user put in the data folder replaces the shipped one.
    EXPECT_EQ(ov::PictureFolder("Logo.bmp"), layout.shippedFolder);
    tmp_.Write("data/orvella/logo.BMP", "");
    EXPECT_EQ(ov::PictureFolder("Logo.bmp"), layout.dataFolder);

    // Relative XDG values are ignored; the defaults follow the home folder.
    layout = ov::DecideFileLayout(Exe(), "cfg", "", (Root() + "/home").c_str());
    EXPECT_EQ(layout.settingsFile, Root() + "/home/.config/orvella/Orvella.ini");
    EXPECT_EQ(layout.dataFolder, Root() + "/home/.local/share/orvella/");

    // A read-only portable folder ships its files beside the executable.
    tmp_.Write("ro/Affirmations/Calm/Peace.txt", "x");
    chmod(tmp_.Path("ro").c_str(), 0555);
    layout = Decide(tmp_.Path("ro/Orvella"));
    EXPECT_FALSE(layout.portable);
    EXPECT_EQ(layout.shippedFolder, tmp_.Path("ro/"));
}

TEST_F(FileLayoutTest, SeedsTheLibraryOnceWritableAndNeverOverTheUsersLists)
{
    Ship();
    const ov::FileLayout layout = Decide(Exe());
    ASSERT_EQ(ov::PrepareUserFiles(layout), "");
    const std::string lib = layout.dataFolder + "Affirmations/Calm/";
    EXPECT_EQ(tmp_.Read("data/orvella/Affirmations/Calm/Peace.txt"), "I am calm\r\n");
    EXPECT_TRUE(ov::FolderExists(layout.configFolder));
    struct stat st {};
    ASSERT_EQ(stat((lib + "Peace.txt").c_str(), &st), 0);
    EXPECT_NE(st.st_mode & 0200, 0u) << "a seeded list must be editable";
    EXPECT_TRUE(ov::FolderWritable(lib));
    // The library and its categories get the user's usual folder mode.
    const mode_t mask = umask(0);
    umask(mask);
    for (const std::string& folder : {layout.dataFolder + "Affirmations", lib}) {
        ASSERT_EQ(stat(folder.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0777 & ~mask) << folder;
    }

    // The user's edits and deletions survive the next start.
    tmp_.Write("data/orvella/Affirmations/Calm/Peace.txt", "my own\r\n");
    fs::remove(lib + "Sleep.txt");
    ASSERT_EQ(ov::PrepareUserFiles(layout), "");
    EXPECT_EQ(tmp_.Read("data/orvella/Affirmations/Calm/Peace.txt"), "my own\r\n");
    EXPECT_FALSE(fs::exists(lib + "Sleep.txt"));
    // No half-made copy is left behind.
    for (const auto& e : fs::directory_iterator(layout.dataFolder))
        EXPECT_EQ(e.path().filename(), "Affirmations");
}

TEST_F(FileLayoutTest, AFolderThatCannotBeMadeIsReported)
{
    Ship();
    tmp_.Write("data", "a file where the folder should be");
    const std::string message = ov::PrepareUserFiles(Decide(Exe()));
    EXPECT_NE(message.find(Root() + "/data/orvella/"), std::string::npos) << message;
}

} // namespace
