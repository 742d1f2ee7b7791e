#pragma once
#include "app/ui/mainwindow.h"
#include "branding/branding.h"
#include "platform/net.h"
#include "ui/widgetsupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QTemporaryDir>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

// Records the addresses the program hands to the desktop.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

// A temporary configuration folder for the branding record, addresses
// recorded instead of opened, and the connection decided by the test.
class BrandingWindowTest : public ovtest::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        const char* old = std::getenv("XDG_CONFIG_HOME");
        savedConfig_ = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit().constData(), 1);
        // A record installed on this machine must not stand in for the test's.
        const char* dirs = std::getenv("XDG_CONFIG_DIRS");
        savedDirs_ = dirs ? std::optional<std::string>(dirs) : std::nullopt;
        setenv("XDG_CONFIG_DIRS", (config_.path() + "/system").toLocal8Bit().constData(), 1);
        for (const char* scheme : {"http", "https", "ftp", "mailto", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &urls_, "Open");
        ov::SetInternetProbe([this] { return online; });
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        for (const char* scheme : {"http", "https", "ftp", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        ov::SetInternetProbe({});
        if (savedConfig_) setenv("XDG_CONFIG_HOME", savedConfig_->c_str(), 1);
        else unsetenv("XDG_CONFIG_HOME");
        if (savedDirs_) setenv("XDG_CONFIG_DIRS", savedDirs_->c_str(), 1);
        else unsetenv("XDG_CONFIG_DIRS");
    }

    // The branding record of the test executable, in .reg syntax.
    void WriteRecord(const std::string& regText)
    {
        const std::filesystem::path p =
            config_.path().toStdString() + "/" + ov::BrandingKeyPath("Orvella");
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << regText;
    }
    void WriteDefaultRecord()
    {
        WriteRecord("Windows Registry Editor Version 5.00\n\n"
                    "[HKEY_CURRENT_USER\\Software\\Halvorn\\Orvella\\Branding]\n"
                    "\"AppName\"=\"Calmly <b>Pro</b>\"\n"
                    "\"Publisher\"=\"Quiet & Co\"\n"
                    "\"HTTP_BASEURL\"=\"https://calm.example/app\"\n"
                    "\"HTTP_SUBSCRIBE\"=\"news\"\n"
                    "\"HTTP_RESOURCES\"=\"res\"\n"
                    "\"HTTP_ADDITIONAL\"=\"more\"\n");
    }

    // Lets queued events run until cond holds or a second has passed.
    template <typename F> bool WaitFor(F cond)
    {
        QDeadlineTimer deadline(1000);
        while (!cond() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return cond();
    }

    QStringList Opened() const
    {
        QStringList out;
        for (const QUrl& u : urls_.urls) out << u.toString();
        return out;
    }

    bool online = true;
    UrlRecorder urls_;
    QTemporaryDir config_;

private:
    std::optional<std::string> savedConfig_, savedDirs_;
};
