#include "branding/ui/weblink.h"
#include "platform/net.h"
#include "platform/ui/messagebox.h"
#include "platform/error.h"
#include "platform/translate.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace {

// The schemes a link may open. A branding record is not trusted to start
// local files or programs through the desktop's opener.
bool IsWebAddress(const QUrl& url)
{
    const QString s = url.scheme().toLower();
    return url.isValid()
        && (((s == QLatin1String("http") || s == QLatin1String("https") || s == QLatin1String("ftp"))
             && !url.host().isEmpty())
            || s == QLatin1String("mailto"));
}

// False, after an error box, when no Internet connection is configured.
bool CheckInternetConnection(QWidget* parent)
{
    if (ov::InternetConnectionConfigured()) return true;
    ov::MessageBox::Show(ov::MsgKind::Error, ov::kNoConnectionMessage, parent);
    return false;
}

} // namespace

void ov::OpenWebPage(const std::string& address, QWidget* parent)
{
    if (!CheckInternetConnection(parent)) return;
    const QUrl url(QString::fromLocal8Bit(address.c_str()).trimmed(), QUrl::TolerantMode);
    if (!IsWebAddress(url)) {
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Format(ov::Tr("WebLink", "This page has no web address set up: \"%s\"."), address.c_str()), parent);
        return;
    }
    // The browser starts on its own; nothing waits for it.
    if (!QDesktopServices::openUrl(url))
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Format(ov::Tr("WebLink", "No web browser could be started for %s."), address.c_str()), parent);
}
