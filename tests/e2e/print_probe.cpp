// Prints one list through the program's own print path, with the print
// dialog's choice supplied instead of clicked.
// Usage: print_probe <exe folder> <category> <list> (--printer NAME | --pdf FILE) [--copies N]
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "library/ui/messagespage.h"
#include "library/ui/print.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s EXEFOLDER CATEGORY LIST (--printer NAME | --pdf FILE) [--copies N]\n",
                     argv[0]);
        return 2;
    }
    const std::string folder = argv[1], category = argv[2], list = argv[3], mode = argv[4], target = argv[5];
    const int copies = argc >= 8 && std::strcmp(argv[6], "--copies") == 0 ? std::atoi(argv[7]) : 1;
    QApplication app(argc, argv);
    ov::SetExePath(folder + "/Orvella");
    ov::MessageBox::SetScripted(true);
    CreateWindows();
    // The page keeps its controls to itself: they are found by object name.
    auto* page = mainWindow->findChild<MessagesPage*>();
    auto* lists = mainWindow->findChild<QListWidget*>(QStringLiteral("phraseLists"));
    auto* print = mainWindow->findChild<QPushButton*>(QStringLiteral("printListButton"));
    if (!page || !lists || !print) {
        std::fprintf(stderr, "the Messages page or its controls are missing\n");
        DestroyWindows();
        return 2;
    }
    const auto items = lists->findItems(QString::fromLocal8Bit(list.c_str()), Qt::MatchFixedString);
    if (page->CurrentCategory() != category || items.isEmpty()) {
        std::fprintf(stderr, "list %s of %s not found\n", list.c_str(), category.c_str());
        return 2;
    }
    lists->setCurrentItem(items.front());
    bool asked = false;
    ov::SetPrintDialogSeam([&](QPrinter& printer) {
        asked = true;
        if (mode == "--pdf") {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromLocal8Bit(target.c_str()));
        } else {
            printer.setPrinterName(QString::fromLocal8Bit(target.c_str()));
            if (printer.printerName() != QString::fromLocal8Bit(target.c_str())) return false;
        }
        printer.setCopyCount(copies);
        return true;
    });
    print->click();
    int rc = asked ? 0 : 1;
    for (const auto& m : ov::MessageBox::Shown()) {
        std::fprintf(stderr, "%s: %s\n", m.caption.c_str(), m.text.c_str());
        rc = 1;
    }
    if (!asked) std::fprintf(stderr, "the print dialog was not reached\n");
    DestroyWindows();
    return rc;
}
