#include "branding/ui/linklabel.h"
#include "branding/ui/productpages.h"
#include "branding_fixture.h"
#include "platform/ui/messagebox.h"
#include "settings/ui/settingspage.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

namespace {

class ProductPagesTest : public BrandingFormTest {
protected:
    ProductPages& P() { return *main->productPages_; }
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
    EXPECT_EQ(P().aboutTitle_->text(), "Calmly <b>Pro</b> (Build " ORVELLA_VERSION ")");
    EXPECT_EQ(P().resourcesTitle_->text(), "Calmly <b>Pro</b> Online Resource");
    EXPECT_EQ(P().visitLink_->text(), "Visit calm.example/app for more information");
    EXPECT_TRUE(P().aboutText_->text().endsWith("Note: Calmly <b>Pro</b> is a division of Quiet & Co."));
    // Names from the record are text, never markup.
    for (const QLabel* l : {P().aboutTitle_, P().resourcesTitle_, P().aboutText_, static_cast<QLabel*>(P().visitLink_)})
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << l->objectName().toStdString();
    // The bold titles take the width of their text.
    EXPECT_GE(P().aboutTitle_->width(), P().aboutTitle_->sizeHint().width());
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ProductPagesTest, NoRecordFoundUsesTheShippedOne)
{
    MainWindow& window = MakeMain();
    EXPECT_EQ(window.windowTitle(), "Orvella");
    EXPECT_EQ(ov::MessageBox::ApplicationTitle(), "Orvella");
    EXPECT_TRUE(P().aboutTitle_->text().startsWith("Orvella"));
    EXPECT_TRUE(P().aboutText_->text().endsWith("Note: Orvella is a division of Halvorn."));
    EXPECT_EQ(P().branding_.HTTP_SUBSCRIBE, "https://example.org/orvella/newsletter");
}

TEST_F(ProductPagesTest, EmptyRecordLeavesEmptyNamesAndBuiltInPictures)
{
    WriteRecord(""); // a record of the user's own wins, even an empty one
    MainWindow& window = MakeMain();
    EXPECT_EQ(window.windowTitle(), "");
    EXPECT_EQ(P().aboutTitle_->text(), ""); // no version stamp in a missing file either
    EXPECT_EQ(P().resourcesTitle_->text(), " Online Resource");
    EXPECT_EQ(P().visitLink_->text(), "Visit  for more information");
    EXPECT_EQ(P().branding_.HTTP_SUBSCRIBE, "/");

    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(window.headerLogo_->pixmap().size(), QSize(632, 71));
    for (QLabel* l : {P().newsletterSideLogo_, P().resourcesSideLogo_, P().aboutSideLogo_, Find<QLabel>("settingsSideLogo")}) {
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
    EXPECT_EQ(window.headerLogo_->width(), 200);
    EXPECT_EQ(Centre(window.headerLogo_), QColor(Qt::red));
    for (QLabel* l : {P().newsletterSideLogo_, P().resourcesSideLogo_, P().aboutSideLogo_, Find<QLabel>("settingsSideLogo")}) {
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
    EXPECT_EQ(window.headerLogo_->pixmap().size(), QSize(632, 71)); // the built-in header
    EXPECT_EQ(P().aboutSideLogo_->size(), QSize(64, 246));
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
    for (QLabel* l : {P().newsletterIntro_, P().newsletterHowTo_, P().newsletterPrivacy_}) {
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
    EXPECT_EQ(P().subscribeButton_->text(), "YES! Please Subscribe Me");
    EXPECT_EQ(P().resourcesButton_->text(), "Online Resources");
}

} // namespace
