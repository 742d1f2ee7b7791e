#include "branding/ui/helppage.h"
#include "app/ui/mainwindow.h"
#include "branding/branding.h"
#include "branding/rtf.h"
#include "branding/ui/linklabel.h"
#include "branding/ui/productpages.h"
#include "platform/net.h"
#include "platform/paths.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>

namespace {

constexpr const char* kPrintJobTitle = "Orvella Help";

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

// A read-only text box hands Tab on to the focus chain whatever
// setTabChangesFocus says; the help box keeps it, as a document reader does.
class KeepTab : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress) return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        return (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab)
            && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    }
};

} // namespace

HelpPage::HelpPage(MainWindow& window) : QObject(&window), window_(window)
{
    QWidget* page = window_.helpTab_;
    helpText_ = new QTextEdit(page);
    helpText_->setObjectName(QStringLiteral("helpText"));
    helpText_->setAccessibleName(QStringLiteral("Help"));
    helpText_->setReadOnly(true);
    helpText_->setTabChangesFocus(false);
    helpText_->installEventFilter(new KeepTab(helpText_));
    helpText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    helpText_->setGeometry(0, 0, window_.pages_->width() - 6, 339);

    printHelpButton_ = new QPushButton(QStringLiteral("Print"), page);
    printHelpButton_->setObjectName(QStringLiteral("printHelpButton"));
    printHelpButton_->setGeometry(564, 362, 57, 23);

    connect(printHelpButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onPrintHelp(); }); });
    ProductPages* pp = window_.productPages_;
    connect(pp->visitLink_, &LinkLabel::clicked, this, [this] { ov::Guarded([this] { onVisitLink(); }); });
    connect(pp->resourcesButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onResources(); }); });
    connect(pp->subscribeButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onSubscribe(); }); });
    connect(window_.pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (!selecting_) ov::Guarded([this, index] { onPageChanged(index); });
    });
}

void HelpPage::LoadHelpFile()
{
    helpText_->clear();
    const std::string path = ov::HelpFilePath(ov::ShippedFolder());
    if (path.empty()) return;
    // Filled apart from the box, so the text is laid out once, not after
    // every piece the reader adds.
    auto* doc = new QTextDocument(helpText_);
    ov::LoadRtfFile(path, *doc);
    helpText_->setDocument(doc); // the previous document, a child of the box, goes with it
    helpText_->moveCursor(QTextCursor::Start);
}

void HelpPage::onPrintHelp()
{
    if (helpText_->document()->isEmpty()) {
        ov::MessageBox::Show(ov::MsgKind::Information, "There is no help text to print.", &window_);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QLatin1String(kPrintJobTitle));
    if (PrinterSetup) PrinterSetup(printer);
    // With no printer installed Qt quietly turns the printer into a PDF
    // writer without a file, and printing to it does nothing at all.
    const bool noDevice = printer.outputFormat() == QPrinter::NativeFormat
        ? QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinters().isEmpty()
        : printer.outputFileName().isEmpty();
    if (noDevice) {
        ov::MessageBox::Show(ov::MsgKind::Error,
                             "Printing could not start: no printer is installed. Add a printer in the "
                             "desktop's printer settings and try again.",
                             &window_);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The document is laid out page by page into the printer's page area.
    helpText_->document()->print(&printer);
    QApplication::restoreOverrideCursor();
    if (printer.printerState() == QPrinter::Error)
        ov::MessageBox::Show(ov::MsgKind::Error, "The help could not be printed.", &window_);
}

bool HelpPage::CheckInternetConnection()
{
    if (ov::InternetConnectionConfigured()) return true;
    ov::MessageBox::Show(ov::MsgKind::Error, ov::kNoConnectionMessage, &window_);
    return false;
}

void HelpPage::OpenLink(const std::string& address)
{
    if (!CheckInternetConnection()) return;
    const QUrl url(QString::fromLocal8Bit(address.c_str()).trimmed(), QUrl::TolerantMode);
    if (!IsWebAddress(url)) {
        ov::MessageBox::Show(ov::MsgKind::Error,
                             "This page has no web address set up: \"" + address + "\".", &window_);
        return;
    }
    // The browser starts on its own; nothing waits for it.
    if (!QDesktopServices::openUrl(url))
        ov::MessageBox::Show(ov::MsgKind::Error, "No web browser could be started for " + address + ".", &window_);
}

void HelpPage::onVisitLink() { OpenLink(window_.productPages_->branding_.HTTP_BASEURL); }
void HelpPage::onResources() { OpenLink(window_.productPages_->branding_.HTTP_RESOURCES); }
void HelpPage::onSubscribe() { OpenLink(window_.productPages_->branding_.HTTP_SUBSCRIBE); }

void HelpPage::onPageChanged(int index)
{
    if (window_.pages_->widget(index) != window_.additionalTab_) return;
    // Back to Messages at once, so the empty page never shows; the link is
    // followed once the tab bar has finished with the click.
    selecting_ = true;
    window_.pages_->setCurrentIndex(0);
    selecting_ = false;
    QTimer::singleShot(0, this, [this] { ov::Guarded([this] { OpenLink(window_.productPages_->branding_.HTTP_ADDITIONAL); }); });
}
