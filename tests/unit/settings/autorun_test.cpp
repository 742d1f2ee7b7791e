#include "settings/autorun.h"

#include "platform/utils.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>
#include <cerrno>
#include <cstring>

using ovtest::ReadFile;
using ovtest::TempDir;
using ovtest::WriteFile;

namespace {

std::string ReadWarning(const std::string& path, const std::string& reason)
{
    return "Could not read the auto-start entry " + path + ": " + reason + ".";
}

class AutoRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadConfig = old != nullptr;
        if (old) oldConfig = old;
        setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        exe = dir / "My Apps/Orvella";
        ov::SetExePath(exe);
        folder = dir / "config/autostart";
        entry = folder + "/orvella.desktop";
    }
    void TearDown() override
    {
        if (hadConfig) setenv("XDG_CONFIG_HOME", oldConfig.c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
        ov::SetExePath("");
    }

    ov::AutoRunWarn Collect()
    {
        return [this](const std::string& text) { warnings.push_back(text); };
    }
    void PutEntry(const std::string& text)
    {
        ASSERT_TRUE(ov::ForceFolders(folder));
        WriteFile(entry, text);
    }
    static std::string EntryWithExec(const std::string& exec)
    {
        return "[Desktop Entry]\nType=Application\nName=Orvella\nExec=" + exec + "\n";
    }

    TempDir dir;
    std::string exe, folder, entry, oldConfig;
    bool hadConfig = false;
    std::vector<std::string> warnings;
};

void ExpectValidDesktopEntry(const std::string& path)
{
    std::string out;
    const int status = ovtest::RunProgram({"desktop-file-validate", path}, out);
    ASSERT_NE(status, 127) << "desktop-file-validate is missing: install the Debian package desktop-file-utils";
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, "") << out;
}

} // namespace

TEST_F(AutoRunTest, EntryIsNamedAfterTheExecutableInLowerCase)
{
    EXPECT_EQ(ov::AutoRunEntryPath(), entry);
    const char* home = std::getenv("HOME");
    const std::string oldHome = home ? home : "";
    setenv("XDG_CONFIG_HOME", "relative/config", 1); // not absolute: ignored
    setenv("HOME", dir.Path().c_str(), 1);
    EXPECT_EQ(ov::AutoRunEntryPath(), dir / ".config/autostart/orvella.desktop");
    if (home) setenv("HOME", oldHome.c_str(), 1);
    else unsetenv("HOME");
}

// The icon the package installs in the hicolor theme, as its menu entry names it.
std::string InstalledIconName()
{
    const std::string menuEntry = ReadFile(std::string(OV_SOURCE_DIR) + "/data/linux/com.halvorn.Orvella.desktop");
    const size_t at = menuEntry.find("\nIcon=");
    if (at == std::string::npos) return "(none in the menu entry)";
    const size_t from = at + 6;
    return menuEntry.substr(from, menuEntry.find('\n', from) - from);
}

TEST_F(AutoRunTest, TickingCreatesAValidEntryThatCountsAsSet)
{
    exe = dir / "My Apps/orvella"; // installed: the command is lower case, the product is not
    ov::SetExePath(exe);
    EXPECT_FALSE(ov::IsAutoRunSet(Collect()));
    ov::SetAutoRun(true, Collect());
    EXPECT_TRUE(ov::IsAutoRunSet(Collect()));
    const std::string text = ReadFile(entry);
    EXPECT_EQ(text, ov::AutoRunEntryText(exe));
    // TryExec: a desktop skips the entry once the program has been removed.
    for (const std::string& line : {std::string("Name=Orvella"), "Exec=\"" + exe + "\"", "TryExec=" + exe, "Icon=" + InstalledIconName()})
        EXPECT_NE(text.find("\n" + line + "\n"), std::string::npos) << line << " in\n" << text;
    ExpectValidDesktopEntry(entry);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(AutoRunTest, SavingTwiceWritesOnce)
{
    ov::SetAutoRun(true, Collect());
    const std::string mine = ReadFile(entry) + "# edited by the user\n";
    WriteFile(entry, mine);
    ov::SetAutoRun(true, Collect());
    EXPECT_EQ(ReadFile(entry), mine);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(AutoRunTest, OnlyTheExactPathCountsQuotedOrNot)
{
    const std::string plain = EntryWithExec(exe);
    PutEntry(plain);
    EXPECT_TRUE(ov::IsAutoRunSet(Collect()));
    ov::SetAutoRun(true, Collect());
    EXPECT_EQ(ReadFile(entry), plain);

    // Another letter case names another file on this file system.
    for (const std::string& exec : {ov::AsciiUpper(exe), "\"" + ov::AsciiLower(exe) + "\""}) {
        PutEntry(EntryWithExec(exec));
        EXPECT_FALSE(ov::IsAutoRunSet(Collect())) << exec;
        ov::SetAutoRun(true, Collect());
        EXPECT_EQ(ReadFile(entry), ov::AutoRunEntryText(exe)) << exec;
    }
    EXPECT_TRUE(warnings.empty());
}

TEST_F(AutoRunTest, FolderNameThatIsNotUtf8IsRefusedAndNothingIsWritten)
{
    const std::string mine = EntryWithExec("/usr/bin/elsewhere");
    PutEntry(mine);
    // Latin-1, as an old archive may unpack it; a control character no escape spells.
    for (const std::string folderName : {"Caf\xE9", "a\x01" "b"}) {
        warnings.clear();
        exe = dir / (folderName + "/Orvella");
        ov::SetExePath(exe);
        ov::SetAutoRun(true, Collect());
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_EQ(warnings[0].rfind("Auto-start cannot be set for this folder name: " + exe + ". ", 0), 0u)
            << warnings[0];
        EXPECT_EQ(ReadFile(entry), mine);
    }
}

TEST_F(AutoRunTest, OtherExecutableOrDisabledEntryIsReplaced)
{
    for (const std::string& text : {EntryWithExec("\"/opt/elsewhere/Orvella\""),
                                    EntryWithExec("\"" + exe + "\" --minimized"),
                                    EntryWithExec(ov::DesktopExecQuote(exe)) + "Hidden=true\n",
                                    EntryWithExec(ov::DesktopExecQuote(exe)) + "X-GNOME-Autostart-enabled=false\n"}) {
        PutEntry(text);
        EXPECT_FALSE(ov::IsAutoRunSet(Collect())) << text;
        ov::SetAutoRun(true, Collect());
        EXPECT_EQ(ReadFile(entry), ov::AutoRunEntryText(exe)) << text;
        EXPECT_TRUE(ov::IsAutoRunSet(Collect()));
    }
    EXPECT_TRUE(warnings.empty());
}

TEST_F(AutoRunTest, UntickingRemovesOnlyOurEntry)
{
    ASSERT_TRUE(ov::ForceFolders(folder));
    const std::string other = EntryWithExec("/usr/bin/other");
    WriteFile(folder + "/other.desktop", other);
    ov::SetAutoRun(true, Collect());
    ov::SetAutoRun(false, Collect());
    EXPECT_FALSE(ov::FileExists(entry));
    EXPECT_FALSE(ov::IsAutoRunSet(Collect()));
    ov::SetAutoRun(false, Collect()); // nothing to remove: silent
    EXPECT_EQ(ReadFile(folder + "/other.desktop"), other);
    EXPECT_TRUE(warnings.empty());
}

TEST_F(AutoRunTest, UnreadableOrBrokenEntryWarnsWithItsPathAndReason)
{
    ASSERT_TRUE(ov::ForceFolders(entry)); // a folder where the entry should be
    EXPECT_FALSE(ov::IsAutoRunSet(Collect()));
    ASSERT_TRUE(std::filesystem::remove(entry));
    const std::string notEntry = ReadWarning(entry, "it is not a desktop entry with an Exec line");
    const std::string openQuote = ReadWarning(entry, "its Exec line has a quote that is never closed");
    for (const std::string& text : {std::string("not a desktop entry\n"),
                                    std::string("[Desktop Entry]\nType=Application\nName=Orvella\n"),
                                    EntryWithExec("\"" + exe)}) {
        PutEntry(text);
        EXPECT_FALSE(ov::IsAutoRunSet(Collect())) << text;
    }
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_EQ(warnings[0].rfind("Could not read the auto-start entry " + entry + ": ", 0), 0u) << warnings[0];
    EXPECT_GT(warnings[0].size(), ReadWarning(entry, "").size()); // with the reason
    EXPECT_EQ(std::vector<std::string>(warnings.begin() + 1, warnings.end()),
              (std::vector<std::string>{notEntry, notEntry, openQuote}));

    // A broken entry is replaced by a good one when the box is saved ticked.
    warnings.clear();
    ov::SetAutoRun(true, Collect());
    EXPECT_EQ(warnings, std::vector<std::string>{openQuote});
    EXPECT_TRUE(ov::IsAutoRunSet(Collect()));
}

TEST_F(AutoRunTest, EntryWithoutReadPermissionWarns)
{
    ov::SetAutoRun(true, Collect());
    ASSERT_EQ(chmod(entry.c_str(), 0200), 0);
    for (const std::string& d : {dir / "config", folder}) chmod(d.c_str(), 0755);
    const auto result = ovtest::RunUnprivileged([this]() -> std::string {
        std::string seen;
        const bool set = ov::IsAutoRunSet([&](const std::string& t) { seen += t; });
        return (set ? "set|" : "not set|") + seen;
    });
    if (!result) GTEST_SKIP() << "running as root and unable to switch to an unprivileged user";
    EXPECT_EQ(*result, "not set|" + ReadWarning(entry, std::strerror(EACCES)));
}

TEST_F(AutoRunTest, UnwritableFolderWarns)
{
    const auto expected = [&](const char* what, const std::string& reason, const char* outcome) {
        return std::string("Could not ") + what + " the auto-start entry " + entry + ": " + reason + ". Orvella will "
               + outcome + " when you log in.";
    };
    ASSERT_TRUE(ov::ForceFolders(dir / "config"));
    WriteFile(folder, "a file where the folder should be");
    ov::SetAutoRun(true, Collect());
    EXPECT_EQ(warnings, std::vector<std::string>{expected("write", folder + " is not a folder", "not start")});
    ASSERT_TRUE(std::filesystem::remove(folder));

    // A folder the user may not write: neither adding nor removing works.
    ov::SetAutoRun(true, Collect());
    warnings.clear();
    for (const std::string& d : {dir / "config", folder}) chmod(d.c_str(), 0555);
    const auto result = ovtest::RunUnprivileged([&]() -> std::string {
        std::string seen;
        ov::SetAutoRun(false, [&](const std::string& t) { seen += t + "|"; });
        ov::SetExePath(dir / "Elsewhere/Orvella");
        ov::SetAutoRun(true, [&](const std::string& t) { seen += t + "|"; });
        return seen;
    });
    for (const std::string& d : {dir / "config", folder}) chmod(d.c_str(), 0755);
    if (!result) GTEST_SKIP() << "running as root and unable to switch to an unprivileged user";
    EXPECT_EQ(*result, expected("remove", std::strerror(EACCES), "still start") + "|"
                           + expected("write", std::strerror(EACCES), "not start") + "|");
    EXPECT_EQ(ReadFile(entry), ov::AutoRunEntryText(exe));
}

TEST_F(AutoRunTest, PathsWithSpecialCharactersAreQuotedForTheDesktop)
{
    EXPECT_EQ(ov::DesktopExecQuote("/opt/a b/$x \"q\" `c` 50%\\d"),
              "\"/opt/a b/\\\\$x \\\\\"q\\\\\" \\\\`c\\\\` 50%%\\\\\\\\d\"");
    exe = dir / "My $Apps/50% \"odd\" `name`\\x/Orvella";
    ov::SetExePath(exe);
    ov::SetAutoRun(true, Collect());
    EXPECT_TRUE(ov::IsAutoRunSet(Collect()));
    ExpectValidDesktopEntry(entry);
    EXPECT_TRUE(warnings.empty());
}
