#pragma once
#include "app/ui/mainwindow.h"
#include "settings/inifile.h"
#include "settings/ui/settingspage.h"
#include "ui/widgetsupport.h"

#include <memory>
#include <string>

// Reads back the temporary folder's settings file.
class SettingsFileTest : public ovtest::WindowTest {
protected:
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
};

// The settings page inside the whole program: for what the main window
// wires to it (the display timer, the pause, the category list).
class SettingsPageTest : public SettingsFileTest {
protected:
    SettingsPage& Page() { return *Find<SettingsPage>(); }
};

// The settings page alone, showing the settings of `category` as start-up
// loads them. The autostart folder lives inside the temporary folder (see
// WindowTest), so the real one is never touched.
class SettingsPageAlone : public SettingsFileTest {
protected:
    void TearDown() override
    {
        page.reset();
        SettingsFileTest::TearDown();
    }
    SettingsPage& MakePage()
    {
        page = std::make_unique<SettingsPage>(SettingsPage::PreviewFactory{});
        page->SetCategorySource([this] { return category; });
        page->LoadSettings(category.name);
        return *page;
    }
    template <typename T> T* Control(const QString& name) const { return ovtest::Child<T>(page.get(), name); }

    ShownCategory category{"A", 0};
    std::unique_ptr<SettingsPage> page;
};
