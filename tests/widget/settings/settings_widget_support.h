#pragma once
#include "app/ui/mainwindow.h"
#include "settings/inifile.h"
#include "settings/ui/settingspage.h"
#include "ui/widgetsupport.h"

#include <cstdlib>
#include <optional>
#include <string>

// The settings page tests: the autostart folder lives inside the temporary
// executable folder, so the real one is never touched.
class SettingsPageTest : public ovtest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) oldConfig_ = old;
        setenv("XDG_CONFIG_HOME", exe->Path("config").c_str(), 1);
    }
    void TearDown() override
    {
        if (oldConfig_) setenv("XDG_CONFIG_HOME", oldConfig_->c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
        WindowTest::TearDown();
    }
    SettingsPage& Page() { return *Find<SettingsPage>(); }
    std::string Ini(const std::string& section, const std::string& key)
    {
        return ov::IniFile(exe->SettingsFile()).ReadString(section, key, "<absent>");
    }
    // A section's lines in file order, "key=value " each.
    std::string Section(const std::string& section)
    {
        std::string out;
        for (const auto& [k, v] : ov::IniFile(exe->SettingsFile()).ReadSection(section)) out += k + "=" + v + " ";
        return out;
    }

private:
    std::optional<std::string> oldConfig_;
};
