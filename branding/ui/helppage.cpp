#include "branding/ui/helppage.h"
#include "branding/branding.h"
#include "branding/rtf.h"
#include "platform/paths.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"
#include "platform/translate.h"
#include "platform/ui/captionfit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>

namespace {

constexpr const char* kPrintJobTitle = QT_TRANSLATE_NOOP("HelpPage", "Orvella Help");

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

HelpPage::HelpPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("helpPage"));
    helpText_ = new QTextEdit(this);
    helpText_->setObjectName(QStringLiteral("helpText"));
    helpText_->setAccessibleName(tr("Help"));
    helpText_->setReadOnly(true);
    helpText_->setTabChangesFocus(false);
    helpText_->installEventFilter(new KeepTab(helpText_));
    helpText_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    helpText_->setGeometry(0, 0, 626, 339); // the page's width in the tab widget

    printHelpButton_ = new QPushButton(tr("Print"), this);
    printHelpButton_->setObjectName(QStringLiteral("printHelpButton"));
    printHelpButton_->setGeometry(564, 362, 57, 23);
    ov::FitButtonRow({printHelpButton_});

    connect(printHelpButton_, &QPushButton::clicked, this, [this] { ov::Guarded([this] { onPrintHelp(); }); });
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
        ov::MessageBox::Show(ov::MsgKind::Information, ov::Tr("HelpPage", "There is no help text to print."), window());
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr(kPrintJobTitle));
    if (PrinterSetup) PrinterSetup(printer);
    // With no printer installed Qt quietly turns the printer into a PDF
    // writer without a file, and printing to it does nothing at all.
    const bool noDevice = printer.outputFormat() == QPrinter::NativeFormat
        ? QPrinterInfo::defaultPrinter().isNull() && QPrinterInfo::availablePrinters().isEmpty()
        : printer.outputFileName().isEmpty();
    if (noDevice) {
        ov::MessageBox::Show(ov::MsgKind::Error,
                             ov::Tr("HelpPage", "Printing could not start: no printer is installed. Add a printer in the "
                                                "desktop's printer settings and try again."),
                             window());
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The document is laid out page by page into the printer's page area.
    helpText_->document()->print(&printer);
    QApplication::restoreOverrideCursor();
    if (printer.printerState() == QPrinter::Error)
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Tr("HelpPage", "The help could not be printed."), window());
}
