#include "ui/widgetsupport.h"
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"

#include <QListWidget>

#include <cstdlib>

namespace ovtest {

namespace {
// The user's own configuration (autostart entries) is never touched by a
// window test: every save of the settings page writes the autostart entry.
std::string savedConfigHome;
bool hadConfigHome = false;
} // namespace

void WindowTest::SetUp()
{
    exe = std::make_unique<TempExeFolder>();
    const char* config = std::getenv("XDG_CONFIG_HOME");
    hadConfigHome = config != nullptr;
    savedConfigHome = config ? config : "";
    setenv("XDG_CONFIG_HOME", exe->Path("config").c_str(), 1);
    ov::MessageBox::SetScripted(true);
    ov::MessageBox::Reset();
    std::srand(1234);
}

void WindowTest::TearDown()
{
    DestroyWindows();
    main = nullptr;
    ov::MessageBox::Reset();
    exe.reset();
    if (hadConfigHome) setenv("XDG_CONFIG_HOME", savedConfigHome.c_str(), 1);
    else unsetenv("XDG_CONFIG_HOME");
}

MainWindow& WindowTest::MakeMain()
{
    CreateWindows();
    main = mainWindow;
    std::srand(1234);
    return *main;
}

std::vector<std::string> WindowTest::ShownTexts() const
{
    std::vector<std::string> texts;
    for (const auto& m : ov::MessageBox::Shown()) texts.push_back(m.text);
    return texts;
}

void WindowTest::MarkMessagesChanged()
{
    QListWidgetItem* item = Find<QListWidget>(QStringLiteral("phraseLists"))->item(0);
    ASSERT_NE(item, nullptr);
    const Qt::CheckState was = item->checkState();
    item->setCheckState(was == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    item->setCheckState(was);
}

} // namespace ovtest
