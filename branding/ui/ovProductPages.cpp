#include "branding/ui/ovProductPages.h"
#include "platform/ovText.h"
#include "app/ui/ovMain.h"
#include "branding/ovBrandArt.h"
#include "branding/ui/ovLinkLabel.h"
#include "platform/ovPaths.h"
#include "platform/ovUtils.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ui/ovSettingsPage.h"

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

TProductPages::TProductPages(TMainFrm& frm) : QObject(&frm), frm_(frm)
{
    BuildNewsletter();
    BuildResources();
    BuildAbout();
}

void TProductPages::BuildNewsletter()
{
    QWidget* page = frm_.TabNewsLetter;
    logo2_4 = SideImage(page, "logo2_4", {4, 12});
    Label15 = Label(page, "Label15", {116, 32, 381, 39}, true);
    QFont bold = Label15->font();
    bold.setBold(true);
    Label15->setFont(bold);
    Label15->setText(QLatin1String(kNewsHeadline));
    JvHTLabel1 = Markup(page, "JvHTLabel1", {116, 86, 379, 59}, kNewsText1);
    JvHTLabel2 = Markup(page, "JvHTLabel2", {116, 158, 373, 55}, kNewsText2);
    Panel5 = Separator(page, "Panel5", {4, 276, 621, 3});
    JvHTLabel3 = Markup(page, "JvHTLabel3", {116, 306, 391, 35}, kNewsText3);
    Btn_Subscribe = Button(page, "Btn_Subscribe", "YES! Please Subscribe Me");
}

void TProductPages::BuildResources()
{
    QWidget* page = frm_.Tab_REources;
    logo2_5 = SideImage(page, "logo2_5", {4, 12});
    Lbl_Resource = AutoLabel(page, "Lbl_Resource", {125, 18});
    Label13 = Label(page, "Label13", {125, 48, 373, 131}, true);
    Label13->setText(QLatin1String(kResourcesText));
    Panel6 = Separator(page, "Panel6", {4, 276, 621, 3});
    Btn_Resources = Button(page, "Btn_Resources", "Online Resources");
}

void TProductPages::BuildAbout()
{
    QWidget* page = frm_.Tab_About;
    logo2_6 = SideImage(page, "logo2_6", {2, 12});
    Lbl_About = AutoLabel(page, "Lbl_About", {116, 18});
    lbl_PatPend = Label(page, "lbl_PatPend", {116, 36, 455, 65}, false);
    Lbl_Visit = new TLinkLabel(page);
    Lbl_Visit->setObjectName(QStringLiteral("Lbl_Visit"));
    Lbl_Visit->setTextFormat(Qt::PlainText);
    Lbl_Visit->setAlignment(Qt::AlignCenter);
    Lbl_Visit->setGeometry(112, 112, 395, 25);
    Lbl_Visit->setAutoFillBackground(true);
    QPalette pal = Lbl_Visit->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    Lbl_Visit->setPalette(pal);
    Panel2 = Separator(page, "Panel2", {78, 142, 547, 3});
    Label11 = Label(page, "Label11", {116, 170, 392, 52}, true);
    Label11->setText(QLatin1String(kLegalText));
    Panel4 = Separator(page, "Panel4", {4, 276, 621, 3});
}

void TProductPages::SetSideImage(QLabel* label, const QPixmap& picture)
{
    label->setPixmap(picture);
    label->resize(picture.size()); // sizes itself to the picture
}

void TProductPages::SetLogo(const QPixmap& picture)
{
    // The header takes the picture's width and shows it centred.
    frm_.Logo->setPixmap(picture);
    frm_.Logo->setAlignment(Qt::AlignCenter);
    frm_.Logo->setGeometry(0, 0, picture.width(), frm_.Pnl_Header->height());
}

void TProductPages::ApplyBranding()
{
    const std::string exePath = ov::ExePath();
    const std::string exeName = exePath.substr(exePath.find_last_of('/') + 1);
    Info = ov::LoadBrandingInfo(ov::BrandingKeyPath(exeName));

    const ov::BrandingTexts t = ov::ComposeBrandingTexts(
        Info, ov::FormatFileVersion(exePath, ov::kBuildFormat), QDate::currentDate().year());
    ov::MessageBox::SetApplicationTitle(t.applicationTitle);
    frm_.setWindowTitle(Q(t.applicationTitle));
    lbl_PatPend->setText(Q(t.aboutText));
    Lbl_Resource->setText(Q(t.resourceTitle));
    FitToText(Lbl_Resource);
    Lbl_About->setText(Q(t.aboutTitle));
    FitToText(Lbl_About);
    Lbl_Visit->setText(Q(t.visitCaption));
    Lbl_Visit->setAccessibleName(Lbl_Visit->text());

    // Pictures beside the executable replace the built-in ones; a file that
    // is not a readable picture is passed over like a missing one.
    QIcon icon;
    if (const auto img = ov::LoadPicture(ov::PictureFolder(ov::kIconFile), ov::kIconFile)) icon = QIcon(QPixmap::fromImage(*img));
    if (icon.isNull()) {
        for (int size : {16, 22, 24, 32, 48, 64, 128})
            icon.addPixmap(QPixmap::fromImage(ov::BuiltinIconImage(size)));
    }
    QApplication::setWindowIcon(icon);
    frm_.setWindowIcon(icon); // the tray icon follows the main window's icon

    const auto logo = ov::LoadPicture(ov::PictureFolder(ov::kLogoFile), ov::kLogoFile);
    SetLogo(QPixmap::fromImage(logo ? *logo
                                    : ov::BuiltinHeaderImage(Q(Info.AppName), frm_.Pnl_Header->width(),
                                                             frm_.Pnl_Header->height())));

    const auto side = ov::LoadPicture(ov::PictureFolder(ov::kSideLogoFile), ov::kSideLogoFile);
    const QPixmap sidePicture = QPixmap::fromImage(side ? *side : ov::BuiltinSideImage());
    QLabel* sideImages[] = {frm_.SettingsPage ? frm_.SettingsPage->logo2_1 : nullptr, logo2_4, logo2_5, logo2_6};
    for (QLabel* l : sideImages)
        if (l) SetSideImage(l, sidePicture);
}
