#pragma once
#include <QWidget>
#include <functional>

class QPrinter;
class QPushButton;
class QTextEdit;

// The Help page: the help document and its printing.
class HelpPage : public QWidget {
    Q_OBJECT
public:
    explicit HelpPage(QWidget* parent = nullptr);

    // Loads "Help/ovHelp.rtf" from the shipped files; without it the page
    // stays empty.
    void LoadHelpFile();

    // Called with the printer before printing; tests send the job to a file.
    std::function<void(QPrinter&)> PrinterSetup;

private:
    // Prints the help on the current printer, no dialog.
    void onPrintHelp();

    QTextEdit* helpText_ = nullptr;
    QPushButton* printHelpButton_ = nullptr;
};
