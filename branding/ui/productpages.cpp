#include "branding/ui/productpages.h"
#include "platform/text.h"
#include "app/ui/mainwindow.h"
#include "branding/brandart.h"
#include "branding/ui/linklabel.h"
#include "platform/paths.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"
#include "settings/ui/settingspage.h"

#include <QApplication>
#include <QDate>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace {

using ov::Q;

// Texts of the product pages. The three Newsletter texts use the simple
// markup of their labels: <b>, <i>, <br>.
const char* const kNewsHeadline = "Sign up for our free e-mail newsletter";
const char* const kNewsText1 =
    "Each issue brings <b>new phrase lists</b>, ideas for using affirmations in your day "
    "and news about updates.<br>It is <i>free</i> and comes about once a month.";
const char* const kNewsText2 =
    "Subscribing takes a minute and happens <b>online</b>: click the button below and "
    "fill in the form on our web page.<br>An Internet connection is required.";
const char* const kNewsText3 =
    "<b>Your privacy matters.</b> We never share, sell or rent your e-mail address, and "
    "every issue tells you how to unsubscribe.";
const char* const kResourcesText =
    "Our online resource page gathers more phrase lists, articles about affirmations and "
    "guides to getting the most out of the program. It is updated regularly, so come back "
    "often.\n\nClick \"Online Resources\" to open it in your web browser. An Internet "
    "connection is required.";
const char* const kLegalText =
    "Warning: this computer program is protected by copyright law and international "
    "treaties. Unauthorized copying or distribution of this program, or any part of it, "
    "may result in civil and criminal penalties.";

QLabel* Label(QWidget* page, const char* name, const QRect& place, bool wrap)
{
    auto* l = new QLabel(page);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText); // names from the branding record are shown as typed
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(place);
    return l;
}

// A label that takes the size of its text.
QLabel* AutoLabel(QWidget* page, const char* name, QPoint at)
{
    QLabel* l = Label(page, name, QRect(at, QSize(1, 1)), false);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

void FitToText(QLabel* l)
{
    l->resize(l->sizeHint().expandedTo(QSize(1, 1)));
}

QLabel* Markup(QWidget* page, const char* name, const QRect& place, const char* text)
{
    QLabel* l = Label(page, name, place, true);
    l->setTextFormat(Qt::RichText);
    l->setText(Q(ov::SimpleMarkupToHtml(text)));
    l->setAccessibleName(QString(l->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
    return l;
}

QFrame* Separator(QWidget* page, const char* name, const QRect& place)
{
    auto* f = new QFrame(page);
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::Panel);
    f->setFrameShadow(QFrame::Sunken);
    f->setLineWidth(1);
    f->setGeometry(place);
    return f;
}

QLabel* SideImage(QWidget* page, const char* name, QPoint at)
{
    QLabel* l = Label(page, name, QRect(at, QSize(ov::kSideImageWidth, ov::kSideImageHeight)), false);
    l->setAccessibleName(QStringLiteral("Logo"));
    return l;
}

QPushButton* Button(QWidget* page, const char* name, const char* caption)
{
    auto* b = new QPushButton(QLatin1String(caption), page);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(428, 362, 193, 23);
    return b;
}

} // namespace

ProductPages::ProductPages(MainWindow& window) : QObject(&window), window_(window)
{
    BuildNewsletter();
    BuildResources();
    BuildAbout();
}

void ProductPages::BuildNewsletter()
{
    QWidget* page = window_.newsletterTab_;
    newsletterSideLogo_ = SideImage(page, "newsletterSideLogo", {4, 12});
    newsletterHeadline_ = Label(page, "newsletterHeadline", {116, 32, 381, 39}, true);
    QFont bold = newsletterHeadline_->font();
    bold.setBold(true);
    newsletterHeadline_->setFont(bold);
    newsletterHeadline_->setText(QLatin1String(kNewsHeadline));
    newsletterIntro_ = Markup(page, "newsletterIntro", {116, 86, 379, 59}, kNewsText1);
    newsletterHowTo_ = Markup(page, "newsletterHowTo", {116, 158, 373, 55}, kNewsText2);
    newsletterRule_ = Separator(page, "newsletterRule", {4, 276, 621, 3});
    newsletterPrivacy_ = Markup(page, "newsletterPrivacy", {116, 306, 391, 35}, kNewsText3);
    subscribeButton_ = Button(page, "subscribeButton", "YES! Please Subscribe Me");
}

void ProductPages::BuildResources()
{
    QWidget* page = window_.resourcesTab_;
    resourcesSideLogo_ = SideImage(page, "resourcesSideLogo", {4, 12});
    resourcesTitle_ = AutoLabel(page, "resourcesTitle", {125, 18});
    resourcesText_ = Label(page, "resourcesText", {125, 48, 373, 131}, true);
    resourcesText_->setText(QLatin1String(kResourcesText));
    resourcesRule_ = Separator(page, "resourcesRule", {4, 276, 621, 3});
    resourcesButton_ = Button(page, "resourcesButton", "Online Resources");
}

void ProductPages::BuildAbout()
{
    QWidget* page = window_.aboutTab_;
    aboutSideLogo_ = SideImage(page, "aboutSideLogo", {2, 12});
    aboutTitle_ = AutoLabel(page, "aboutTitle", {116, 18});
    aboutText_ = Label(page, "aboutText", {116, 36, 455, 65}, false);
    visitLink_ = new LinkLabel(page);
    visitLink_->setObjectName(QStringLiteral("visitLink"));
    visitLink_->setTextFormat(Qt::PlainText);
    visitLink_->setAlignment(Qt::AlignCenter);
    visitLink_->setGeometry(112, 112, 395, 25);
    visitLink_->setAutoFillBackground(true);
    QPalette pal = visitLink_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    visitLink_->setPalette(pal);
    aboutTopRule_ = Separator(page, "aboutTopRule", {78, 142, 547, 3});
    legalText_ = Label(page, "legalText", {116, 170, 392, 52}, true);
    legalText_->setText(QLatin1String(kLegalText));
    aboutBottomRule_ = Separator(page, "aboutBottomRule", {4, 276, 621, 3});
}

void ProductPages::SetSideImage(QLabel* label, const QPixmap& picture)
{
    label->setPixmap(picture);
    label->resize(picture.size()); // sizes itself to the picture
}

void ProductPages::SetLogo(const QPixmap& picture)
{
    // The header takes the picture's width and shows it centred.
    window_.headerLogo_->setPixmap(picture);
    window_.headerLogo_->setAlignment(Qt::AlignCenter);
    window_.headerLogo_->setGeometry(0, 0, picture.width(), window_.headerPanel_->height());
}

void ProductPages::ApplyBranding()
{
    const std::string exePath = ov::ExePath();
    const std::string exeName = exePath.substr(exePath.find_last_of('/') + 1);
    branding_ = ov::LoadBrandingInfo(ov::BrandingKeyPath(exeName));

    const ov::BrandingTexts t = ov::ComposeBrandingTexts(
        branding_, ov::FormatFileVersion(exePath, ov::kBuildFormat), QDate::currentDate().year());
    ov::MessageBox::SetApplicationTitle(t.applicationTitle);
    window_.setWindowTitle(Q(t.applicationTitle));
    aboutText_->setText(Q(t.aboutText));
    resourcesTitle_->setText(Q(t.resourceTitle));
    FitToText(resourcesTitle_);
    aboutTitle_->setText(Q(t.aboutTitle));
    FitToText(aboutTitle_);
    visitLink_->setText(Q(t.visitCaption));
    visitLink_->setAccessibleName(visitLink_->text());

    // Pictures beside the executable replace the built-in ones; a file that
    // is not a readable picture is passed over like a missing one.
    QIcon icon;
    if (const auto img = ov::LoadPicture(ov::PictureFolder(ov::kIconFile), ov::kIconFile)) icon = QIcon(QPixmap::fromImage(*img));
    if (icon.isNull()) {
        for (int size : {16, 22, 24, 32, 48, 64, 128})
            icon.addPixmap(QPixmap::fromImage(ov::BuiltinIconImage(size)));
    }
    QApplication::setWindowIcon(icon);
    window_.setWindowIcon(icon); // the tray icon follows the main window's icon

    const auto logo = ov::LoadPicture(ov::PictureFolder(ov::kLogoFile), ov::kLogoFile);
    SetLogo(QPixmap::fromImage(logo ? *logo
                                    : ov::BuiltinHeaderImage(Q(branding_.AppName), window_.headerPanel_->width(),
                                                             window_.headerPanel_->height())));

    const auto side = ov::LoadPicture(ov::PictureFolder(ov::kSideLogoFile), ov::kSideLogoFile);
    const QPixmap sidePicture = QPixmap::fromImage(side ? *side : ov::BuiltinSideImage());
    if (window_.settingsPage_) window_.settingsPage_->SetSideImage(sidePicture);
    QLabel* sideImages[] = {newsletterSideLogo_, resourcesSideLogo_, aboutSideLogo_};
    for (QLabel* l : sideImages)
        if (l) SetSideImage(l, sidePicture);
}
