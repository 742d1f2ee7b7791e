#include "branding/ui/ovHelpPage.h"
#include "app/ui/ovMain.h"
#include "branding/ovBranding.h"
#include "branding/ovRtf.h"
#include "branding/ui/ovLinkLabel.h"
#include "branding/ui/ovProductPages.h"
#include "platform/ovNet.h"
#include "platform/ovPaths.h"
#include "platform/ovUtils.h"
#include "platform/ui/ovMessageBox.h"

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

THelpPage::THelpPage(TMainFrm& frm) : QObject(&frm), frm_(frm)
{
    QWidget* page = frm_.Tab_Help;
    HelpBox = new QTextEdit(page);
    HelpBox->setObjectName(QStringLiteral("HelpBox"));
    HelpBox->setAccessibleName(QStringLiteral("Help"));
    HelpBox->setReadOnly(true);
    HelpBox->setTabChangesFocus(false);
    HelpBox->installEventFilter(new KeepTab(HelpBox));
    HelpBox->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    HelpBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    HelpBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    HelpBox->setGeometry(0, 0, frm_.Pages->width() - 6, 339);

    Btn_Print_Help = new QPushButton(QStringLiteral("Print"), page);
    Btn_Print_Help->setObjectName(QStringLiteral("Btn_Print_Help"));
    Btn_Print_Help->setGeometry(564, 362, 57, 23);

    connect(Btn_Print_Help, &QPushButton::clicked, this, [this] { ov::Guarded([this] { Btn_Print_HelpClick(); }); });
    TProductPages* pp = frm_.ProductPages;
    connect(pp->Lbl_Visit, &TLinkLabel::Click, this, [this] { ov::Guarded([this] { Lbl_VisitClick(); }); });
    connect(pp->Btn_Resources, &QPushButton::clicked, this, [this] { ov::Guarded([this] { Btn_ResourcesClick(); }); });
    connect(pp->Btn_Subscribe, &QPushButton::clicked, this, [this] { ov::Guarded([this] { Btn_SubscribeClick(); }); });
    connect(frm_.Pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (!selecting_) ov::Guarded([this, index] { PagesChange(index); });
    });
}

void THelpPage::LoadHelpFile()
{
    HelpBox->clear();
    const std::string path = ov::HelpFilePath(ov::ShippedFolder());
    if (path.empty()) return;
    // Filled apart from the box, so the text is laid out once, not after
    // every piece the reader adds.
    auto* doc = new QTextDocument(HelpBox);
    ov::LoadRtfFile(path, *doc);
    HelpBox->setDocument(doc); // the previous document, a child of the box, goes with it
    HelpBox->moveCursor(QTextCursor::Start);
}

void THelpPage::Btn_Print_HelpClick()
{
    if (HelpBox->document()->isEmpty()) {
        ov::MessageBox::Show(ov::MsgKind::Information, "There is no help text to print.", &frm_);
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
                             &frm_);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The document is laid out page by page into the printer's page area.
    HelpBox->document()->print(&printer);
    QApplication::restoreOverrideCursor();
    if (printer.printerState() == QPrinter::Error)
        ov::MessageBox::Show(ov::MsgKind::Error, "The help could not be printed.", &frm_);
}

bool THelpPage::CheckInternetConnection()
{
    if (ov::InternetConnectionConfigured()) return true;
    ov::MessageBox::Show(ov::MsgKind::Error, ov::kNoConnectionMessage, &frm_);
    return false;
}

void THelpPage::OpenLink(const std::string& address)
{
    if (!CheckInternetConnection()) return;
    const QUrl url(QString::fromLocal8Bit(address.c_str()).trimmed(), QUrl::TolerantMode);
    if (!IsWebAddress(url)) {
        ov::MessageBox::Show(ov::MsgKind::Error,
                             "This page has no web address set up: \"" + address + "\".", &frm_);
        return;
    }
    // The browser starts on its own; nothing waits for it.
    if (!QDesktopServices::openUrl(url))
        ov::MessageBox::Show(ov::MsgKind::Error, "No web browser could be started for " + address + ".", &frm_);
}

void THelpPage::Lbl_VisitClick() { OpenLink(frm_.ProductPages->Info.HTTP_BASEURL); }
void THelpPage::Btn_ResourcesClick() { OpenLink(frm_.ProductPages->Info.HTTP_RESOURCES); }
void THelpPage::Btn_SubscribeClick() { OpenLink(frm_.ProductPages->Info.HTTP_SUBSCRIBE); }

void THelpPage::PagesChange(int index)
{
    if (frm_.Pages->widget(index) != frm_.Tab_Additional) return;
    // Back to Messages at once, so the empty page never shows; the link is
    // followed once the tab bar has finished with the click.
    selecting_ = true;
    frm_.Pages->setCurrentIndex(0);
    selecting_ = false;
    QTimer::singleShot(0, this, [this] { ov::Guarded([this] { OpenLink(frm_.ProductPages->Info.HTTP_ADDITIONAL); }); });
}
