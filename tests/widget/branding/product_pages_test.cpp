#include "branding/ui/linklabel.h"
#include "branding_support.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

namespace {

class ProductPagesTest : public BrandingWindowTest {
protected:
    static QColor Centre(const QLabel* l)
    {
        const QImage img = l->pixmap().toImage();
        return img.pixelColor(img.width() / 2, img.height() / 2);
    }
    void SaveImage(const std::string& name, QSize size, QColor colour, const char* format)
    {
        QImage img(size, QImage::Format_RGB32);
        img.fill(colour);
        ASSERT_TRUE(img.save(QString::fromStdString(exe->Path(name)), format));
    }
};

TEST_F(ProductPagesTest, RecordGoesToTitlesAndCaptionsAsTyped)
{
    WriteDefaultRecord();
    // A copy of this test program carries the build's version stamp.
    std::filesystem::copy_file("/proc/self/exe", exe->Path("Orvella"));
    MainWindow& window = MakeMain();

    EXPECT_EQ(window.windowTitle(), "Calmly <b>Pro</b>");
    EXPECT_EQ(ov::MessageBox::ApplicationTitle(), "Calmly <b>Pro</b>");
    EXPECT_EQ(Find<QLabel>("aboutTitle")->text(), "Calmly <b>Pro</b> (Build " ORVELLA_VERSION ")");
    EXPECT_EQ(Find<QLabel>("resourcesTitle")->text(), "Calmly <b>Pro</b> Online Resource");
    EXPECT_EQ(Find<LinkLabel>("visitLink")->text(), "Visit calm.example/app for more information");
    EXPECT_TRUE(Find<QLabel>("aboutText")->text().endsWith("Note: Calmly <b>Pro</b> is a division of Quiet & Co."));
    // Names from the record are text, never markup.
    for (const char* name : {"aboutTitle", "resourcesTitle", "aboutText", "visitLink"}) {
        const QLabel* l = Find<QLabel>(QLatin1String(name));
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << name;
    }
    // The bold titles take the width of their text.
    const QLabel* aboutTitle = Find<QLabel>("aboutTitle");
    EXPECT_GE(aboutTitle->width(), aboutTitle->sizeHint().width());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ProductPagesTest, NoRecordFoundUsesTheShippedOne)
{
    MainWindow& window = MakeMain();
    EXPECT_EQ(window.windowTitle(), "Orvella");
    EXPECT_EQ(ov::MessageBox::ApplicationTitle(), "Orvella");
    EXPECT_TRUE(Find<QLabel>("aboutTitle")->text().startsWith("Orvella"));
    EXPECT_TRUE(Find<QLabel>("aboutText")->text().endsWith("Note: Orvella is a division of Halvorn."));
    EXPECT_EQ(main->Branding().HTTP_SUBSCRIBE, "https://example.org/orvella/newsletter");
}

TEST_F(ProductPagesTest, EmptyRecordLeavesEmptyNamesAndBuiltInPictures)
{
    WriteRecord("\"Other\"=\"value\"\n"); // a record of the user's own wins, even one without names
    MainWindow& window = MakeMain();
    EXPECT_EQ(window.windowTitle(), "");
    EXPECT_EQ(Find<QLabel>("aboutTitle")->text(), ""); // no version stamp in a missing file either
    EXPECT_EQ(Find<QLabel>("resourcesTitle")->text(), " Online Resource");
    EXPECT_EQ(Find<LinkLabel>("visitLink")->text(), "Visit  for more information");
    EXPECT_EQ(main->Branding().HTTP_SUBSCRIBE, "/");

    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(Find<QLabel>("headerLogo")->pixmap().size(), QSize(632, 71));
    for (QLabel* l : {Find<QLabel>("newsletterSideLogo"), Find<QLabel>("resourcesSideLogo"), Find<QLabel>("aboutSideLogo"), Find<QLabel>("settingsSideLogo")}) {
        EXPECT_EQ(l->size(), QSize(64, 246)) << l->objectName().toStdString();
        EXPECT_FALSE(l->pixmap().isNull());
    }
}

TEST_F(ProductPagesTest, PicturesBesideTheProgramReplaceTheBuiltInOnes)
{
    SaveImage("Icon.ico", {32, 32}, Qt::green, "ICO");
    SaveImage("Logo.bmp", {200, 71}, Qt::red, "BMP");
    SaveImage("logo_2.BMP", {50, 300}, Qt::blue, "BMP"); // found without regard to case
    MainWindow& window = MakeMain();

    EXPECT_EQ(window.windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::green));
    EXPECT_EQ(QApplication::windowIcon().pixmap(32, 32).toImage().pixelColor(16, 16), QColor(Qt::green));
    EXPECT_EQ(Find<QLabel>("headerLogo")->width(), 200);
    EXPECT_EQ(Centre(Find<QLabel>("headerLogo")), QColor(Qt::red));
    for (QLabel* l : {Find<QLabel>("newsletterSideLogo"), Find<QLabel>("resourcesSideLogo"), Find<QLabel>("aboutSideLogo"), Find<QLabel>("settingsSideLogo")}) {
        EXPECT_EQ(l->size(), QSize(50, 300)) << l->objectName().toStdString();
        EXPECT_EQ(Centre(l), QColor(Qt::blue));
    }
}

TEST_F(ProductPagesTest, UnreadablePicturesAreSkippedSilently)
{
    exe->Write("Icon.ico", "not an icon");
    exe->Write("Logo.bmp", std::string("BM\x10\0\0\0garbage", 14));
    exe->Write("Logo_2.bmp", "");
    MainWindow& window = MakeMain();
    EXPECT_TRUE(Shown().empty());
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(Find<QLabel>("headerLogo")->pixmap().size(), QSize(632, 71)); // the built-in header
    EXPECT_EQ(Find<QLabel>("aboutSideLogo")->size(), QSize(64, 246));
}

TEST_F(ProductPagesTest, NewsletterLabelsRenderTheirMarkup)
{
    MakeMain();
    // A twin in the same place, showing the given text.
    auto drawn = [](const QLabel* like, Qt::TextFormat format, const QString& text) {
        QLabel l(like->parentWidget());
        l.setGeometry(like->geometry());
        l.setFont(like->font());
        l.setAlignment(like->alignment());
        l.setWordWrap(like->wordWrap());
        l.setTextFormat(format);
        l.setText(text);
        return l.grab().toImage();
    };
    for (QLabel* l : {Find<QLabel>("newsletterIntro"), Find<QLabel>("newsletterHowTo"), Find<QLabel>("newsletterPrivacy")}) {
        const std::string name = l->objectName().toStdString();
        QTextDocument doc;
        doc.setHtml(l->text());
        const QString words = doc.toPlainText();
        EXPECT_FALSE(words.contains('<') || words.contains('>')) << name;
        bool bold = false;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) bold = bold || it.fragment().charFormat().fontWeight() >= QFont::Bold;
        EXPECT_TRUE(bold) << name;
        // On screen: neither the tags as typed nor the bare words.
        const QImage shown = l->grab().toImage();
        ASSERT_EQ(shown, drawn(l, l->textFormat(), l->text())) << name;
        EXPECT_NE(shown, drawn(l, Qt::PlainText, l->text())) << name;
        EXPECT_NE(shown, drawn(l, Qt::PlainText, words)) << name;
        EXPECT_FALSE(l->accessibleName().contains('<')) << name;
    }
    EXPECT_EQ(Find<QPushButton>("subscribeButton")->text(), "YES! Please Subscribe Me");
    EXPECT_EQ(Find<QPushButton>("resourcesButton")->text(), "Online Resources");
}

} // namespace
