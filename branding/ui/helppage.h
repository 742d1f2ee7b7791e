#pragma once
#include <QObject>
#include <functional>
#include <string>

class QPrinter;
class QPushButton;
class QTextEdit;
class MainWindow;

// The Help page with the help document and its printing, and the links to
// the publisher's web pages from the product pages and the page tabs.
class HelpPage : public QObject {
    Q_OBJECT
public:
    explicit HelpPage(MainWindow& window);

    QTextEdit* helpText_ = nullptr;
    QPushButton* printHelpButton_ = nullptr;

    // Loads "Help/ovHelp.rtf" beside the executable; without it the page
    // stays empty.
    void LoadHelpFile();

    // Prints the help on the current printer, no dialog.
    void onPrintHelp();
    // Called with the printer before printing; tests send the job to a file.
    std::function<void(QPrinter&)> PrinterSetup;

    // False, after an error box, when no Internet connection is configured.
    bool CheckInternetConnection();

    void onVisitLink();
    void onResources();
    void onSubscribe();
    // The user selected a page: the additional-messages tab opens its web
    // page and gives way to the Messages page.
    void onPageChanged(int index);

private:
    void OpenLink(const std::string& address);

    MainWindow& window_;
    bool selecting_ = false; // the program itself is changing the page
};
