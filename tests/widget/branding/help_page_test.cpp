#include "branding/ui/helppage.h"
#include "branding/ui/linklabel.h"
#include "branding_support.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

namespace {

class HelpAndLinks : public BrandingWindowTest {
protected:
    HelpPage& H() { return *Find<HelpPage>(); }

    // Selects the additional-messages tab as a user does, with the mouse.
    void ClickAdditionalTab()
    {
        QTabBar* bar = Pages()->tabBar();
        const int index = Pages()->indexOf(Find<QWidget>("additionalPage"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // The four triggers, in the order of the table of links.
    void TriggerAll()
    {
        QTest::mouseClick(Find<LinkLabel>("visitLink"), Qt::LeftButton);
        Find<QPushButton>("resourcesButton")->click();
        Find<QPushButton>("subscribeButton")->click();
        ClickAdditionalTab();
    }

    int PdfPages(const QString& pdf)
    {
        if (!QStandardPaths::findExecutable("pdfinfo").isEmpty()) {
            QProcess p;
            p.start("pdfinfo", {pdf});
            p.waitForFinished(10000);
            const QString out = QString::fromUtf8(p.readAllStandardOutput());
            pdfTitle = out.section("Title:", 1).section('\n', 0, 0).trimmed();
            return out.section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
        }
        QFile f(pdf);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        return int(f.readAll().count("/Type /Page\n") + 0);
    }
    // Prints the help into a PDF file and returns its page count.
    int PrintToPdf()
    {
        const QString pdf = QString::fromStdString(exe->Path("help.pdf"));
        QFile::remove(pdf);
        H().PrinterSetup = [pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
        };
        Find<QPushButton>("printHelpButton")->click();
        return PdfPages(pdf);
    }
    QString pdfTitle;
};

TEST_F(HelpAndLinks, NoConnectionShowsTheErrorEachTimeAndOpensNothing)
{
    WriteDefaultRecord();
    online = false;
    MakeMain();
    Pages()->setCurrentWidget(Find<QWidget>("aboutPage"));
    for (int round = 0; round < 2; ++round) TriggerAll();
    ASSERT_TRUE(WaitFor([&] { return Shown().size() == 8; })) << Shown().size();
    for (const auto& m : Shown()) {
        EXPECT_EQ(m.kind, ov::MsgKind::Error);
        EXPECT_EQ(m.text, "Internet connection required.");
    }
    EXPECT_TRUE(Opened().empty());
    EXPECT_EQ(Pages()->currentIndex(), 0); // the additional tab gave way to Messages
}

TEST_F(HelpAndLinks, WithAConnectionEachTriggerOpensItsOwnAddressOnce)
{
    WriteDefaultRecord();
    MakeMain();
    Pages()->setCurrentWidget(Find<QWidget>("aboutPage"));
    TriggerAll();
    ASSERT_TRUE(WaitFor([&] { return Opened().size() == 4; })) << Opened().join(' ').toStdString();
    EXPECT_EQ(Opened(), (QStringList {"https://calm.example/app", "https://calm.example/app/res",
                                      "https://calm.example/app/news", "https://calm.example/app/more"}));
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(Pages()->currentIndex(), 0);

    // The link label answers the keyboard too.
    LinkLabel* visit = Find<LinkLabel>("visitLink");
    visit->setFocus();
    QTest::keyClick(visit, Qt::Key_Space);
    EXPECT_EQ(Opened().size(), 5);
    // Selecting the other pages opens nothing.
    Pages()->setCurrentWidget(Find<QWidget>("helpPage"));
    QTest::mouseClick(Pages()->tabBar(), Qt::LeftButton, {},
                      Pages()->tabBar()->tabRect(Pages()->indexOf(Find<QWidget>("aboutPage"))).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(Opened().size(), 5);
}

TEST_F(HelpAndLinks, AddressesThatAreNotWebPagesAreNotOpened)
{
    // An empty record makes every page address "/"; a record may also name a
    // local program. Neither goes to the desktop's opener.
    WriteRecord("\"HTTP_BASEURL\"=\"file:///usr/bin/xterm\"\n");
    MakeMain();
    Find<QPushButton>("subscribeButton")->click();
    LinkLabel* visit = Find<LinkLabel>("visitLink");
    visit->setFocus();
    QTest::keyClick(visit, Qt::Key_Return);
    EXPECT_TRUE(Opened().empty());
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0].kind, ov::MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("file:///usr/bin/xterm/"), std::string::npos);
}

TEST_F(HelpAndLinks, HelpFileLoadsWhenPresentAndLeavesAnEmptyPageWhenMissing)
{
    MakeMain();
    EXPECT_TRUE(Find<QTextEdit>("helpText")->document()->isEmpty());
    EXPECT_TRUE(Find<QTextEdit>("helpText")->isReadOnly());
    EXPECT_TRUE(Shown().empty());

    exe->Write("Help/ovHelp.rtf", "{\\rtf1\\ansi {\\b Welcome}\\par Second\\par}");
    H().LoadHelpFile();
    EXPECT_EQ(Find<QTextEdit>("helpText")->toPlainText().section('\n', 0, 1), "Welcome\nSecond");
    // Printing an empty page would waste paper: the user is told instead.
    std::filesystem::remove(exe->Path("Help/ovHelp.rtf"));
    H().LoadHelpFile();
    EXPECT_TRUE(Find<QTextEdit>("helpText")->document()->isEmpty());
    Find<QPushButton>("printHelpButton")->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, ov::MsgKind::Information);
}

TEST_F(HelpAndLinks, HelpPrintsOnAsManyPagesAsItNeeds)
{
    std::string rtf = "{\\rtf1\\ansi Short help\\par}";
    exe->Write("Help/ovHelp.rtf", rtf);
    MakeMain();
    EXPECT_EQ(PrintToPdf(), 1);
    if (!pdfTitle.isNull()) {
        EXPECT_EQ(pdfTitle, "Orvella Help");
    }

    rtf = "{\\rtf1\\ansi\\fs24 ";
    for (int i = 0; i < 300; ++i) rtf += "Paragraph " + std::to_string(i) + " of the long help text.\\par ";
    rtf += "Last line\\page After the break\\par}";
    exe->Write("Help/ovHelp.rtf", rtf);
    H().LoadHelpFile();
    const int pages = PrintToPdf();
    // 300 lines of 12 points fill several pages; the forced break adds one.
    EXPECT_GE(pages, 5);
    EXPECT_LE(pages, 12);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(HelpAndLinks, PrintWithNoPrinterInstalledSaysWhyItCannotStart)
{
    if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed here";
    exe->Write("Help/ovHelp.rtf", "{\\rtf1\\ansi Short help\\par}");
    MakeMain();
    Find<QPushButton>("printHelpButton")->click();
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].kind, ov::MsgKind::Error);
    EXPECT_NE(Shown()[0].text.find("Printing could not start"), std::string::npos);
    EXPECT_NE(Shown()[0].text.find("no printer"), std::string::npos);
}

// The real connection check, run by CTest inside a network namespace with
// loopback only (see run_without_network.sh).
TEST(NetworkNamespace, NoInterfaceMeansNoConnection)
{
    if (qEnvironmentVariableIsEmpty("ORVELLA_EXPECT_NO_NETWORK"))
        GTEST_SKIP() << "runs only inside a namespace without network";
    EXPECT_FALSE(ov::InternetConnectionConfigured());
}

class NoNetworkLinks : public HelpAndLinks {};
TEST_F(NoNetworkLinks, LinksShowTheErrorAndOpenNothing)
{
    if (qEnvironmentVariableIsEmpty("ORVELLA_EXPECT_NO_NETWORK"))
        GTEST_SKIP() << "runs only inside a namespace without network";
    WriteDefaultRecord();
    ov::SetInternetProbe({}); // the real check
    MakeMain();
    TriggerAll();
    ASSERT_TRUE(WaitFor([&] { return Shown().size() == 4; }));
    EXPECT_EQ(Shown()[0].text, "Internet connection required.");
    EXPECT_TRUE(Opened().empty());
    EXPECT_EQ(Pages()->currentIndex(), 0);
}

} // namespace

TEST_F(HelpAndLinks, TabStaysInsideTheHelpText)
{
    MakeMain();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main)); // focus moves only in an active window
    Pages()->setCurrentWidget(Find<QWidget>("helpPage"));
    QTextEdit* help = Find<QTextEdit>("helpText");
    help->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), help);
    QTest::keyClick(help, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), help);
    QTest::keyClick(help, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), help);
}
