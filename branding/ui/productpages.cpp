#include "branding/ui/productpages.h"
#include "branding/brandart.h"
#include "branding/branding.h"
#include "branding/ui/linklabel.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "platform/ui/captionfit.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace {

using ov::Q;

// Texts of the product pages. The three Newsletter texts use the simple
// markup of their labels: <b>, <i>, <br>.
const char* const kNewsHeadline = QT_TRANSLATE_NOOP("ProductPages", "Sign up for our free e-mail newsletter");
const char* const kNewsText1 =
    QT_TRANSLATE_NOOP("ProductPages", "Each issue brings <b>new phrase lists</b>, ideas for using affirmations in your day "
                                      "and news about updates.<br>It is <i>free</i> and comes about once a month.");
const char* const kNewsText2 =
    QT_TRANSLATE_NOOP("ProductPages", "Subscribing takes a minute and happens <b>online</b>: click the button below and "
                                      "fill in the form on our web page.<br>An Internet connection is required.");
const char* const kNewsText3 =
    QT_TRANSLATE_NOOP("ProductPages", "<b>Your privacy matters.</b> We never share, sell or rent your e-mail address, and "
                                      "every issue tells you how to unsubscribe.");
const char* const kResourcesText =
    QT_TRANSLATE_NOOP("ProductPages", "Our online resource page gathers more phrase lists, articles about affirmations and "
                                      "guides to getting the most out of the program. It is updated regularly, so come back "
                                      "often.\n\nClick \"Online Resources\" to open it in your web browser. An Internet "
                                      "connection is required.");
const char* const kLegalText =
    QT_TRANSLATE_NOOP("ProductPages", "Warning: this computer program is protected by copyright law and international "
                                      "treaties. Unauthorized copying or distribution of this program, or any part of it, "
                                      "may result in civil and criminal penalties.");

// The About page's column: the text, the link below it, the rule, the legal text.
constexpr int kAboutTextHeight = 65, kVisitLinkTop = 112, kAboutTopRuleTop = 142, kLegalTextTop = 170;

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
    l->setText(Q(ov::SimpleMarkupToHtml(ov::Tr("ProductPages", text))));
    ov::FitLabelHeight(l);
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
    l->setAccessibleName(QCoreApplication::translate("ProductPages", "Logo"));
    return l;
}

QPushButton* Button(QWidget* page, const char* name, const char* caption)
{
    auto* b = new QPushButton(QCoreApplication::translate("ProductPages", caption), page);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(428, 362, 193, 23);
    return b;
}

void ShowSideImage(QLabel* label, const QPixmap& picture)
{
    label->setPixmap(picture);
    label->resize(picture.size()); // sizes itself to the picture
}

} // namespace

NewsletterPage::NewsletterPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("newsletterPage"));
    newsletterSideLogo_ = SideImage(this, "newsletterSideLogo", {4, 12});
    newsletterHeadline_ = Label(this, "newsletterHeadline", {116, 32, 381, 39}, true);
    QFont bold = newsletterHeadline_->font();
    bold.setBold(true);
    newsletterHeadline_->setFont(bold);
    newsletterHeadline_->setText(QCoreApplication::translate("ProductPages", kNewsHeadline));
    newsletterIntro_ = Markup(this, "newsletterIntro", {116, 86, 379, 59}, kNewsText1);
    newsletterHowTo_ = Markup(this, "newsletterHowTo", {116, 158, 373, 55}, kNewsText2);
    newsletterRule_ = Separator(this, "newsletterRule", {4, 276, 621, 3});
    newsletterPrivacy_ = Markup(this, "newsletterPrivacy", {116, 306, 391, 35}, kNewsText3);
    subscribeButton_ = Button(this, "subscribeButton", QT_TRANSLATE_NOOP("ProductPages", "YES! Please Subscribe Me"));
    connect(subscribeButton_, &QPushButton::clicked, this, &NewsletterPage::subscribeClicked);
}

void NewsletterPage::SetSideImage(const QPixmap& picture) { ShowSideImage(newsletterSideLogo_, picture); }

ResourcesPage::ResourcesPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("resourcesPage"));
    resourcesSideLogo_ = SideImage(this, "resourcesSideLogo", {4, 12});
    resourcesTitle_ = AutoLabel(this, "resourcesTitle", {125, 18});
    resourcesText_ = Label(this, "resourcesText", {125, 48, 373, 131}, true);
    resourcesText_->setText(QCoreApplication::translate("ProductPages", kResourcesText));
    resourcesRule_ = Separator(this, "resourcesRule", {4, 276, 621, 3});
    resourcesButton_ = Button(this, "resourcesButton", QT_TRANSLATE_NOOP("ProductPages", "Online Resources"));
    connect(resourcesButton_, &QPushButton::clicked, this, &ResourcesPage::resourcesClicked);
}

void ResourcesPage::ShowTexts(const ov::BrandingTexts& texts)
{
    resourcesTitle_->setText(Q(texts.resourceTitle));
    FitToText(resourcesTitle_);
}

void ResourcesPage::SetSideImage(const QPixmap& picture) { ShowSideImage(resourcesSideLogo_, picture); }

AboutPage::AboutPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("aboutPage"));
    aboutSideLogo_ = SideImage(this, "aboutSideLogo", {2, 12});
    aboutTitle_ = AutoLabel(this, "aboutTitle", {116, 18});
    aboutText_ = Label(this, "aboutText", {116, 36, 455, kAboutTextHeight}, false);
    visitLink_ = new LinkLabel(this);
    visitLink_->setObjectName(QStringLiteral("visitLink"));
    visitLink_->setTextFormat(Qt::PlainText);
    visitLink_->setAlignment(Qt::AlignCenter);
    visitLink_->setGeometry(112, kVisitLinkTop, 395, 25);
    visitLink_->setAutoFillBackground(true);
    QPalette pal = visitLink_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    visitLink_->setPalette(pal);
    aboutTopRule_ = Separator(this, "aboutTopRule", {78, kAboutTopRuleTop, 547, 3});
    legalText_ = Label(this, "legalText", {116, kLegalTextTop, 392, 52}, true);
    legalText_->setText(QCoreApplication::translate("ProductPages", kLegalText));
    ov::FitLabelHeight(legalText_);
    aboutBottomRule_ = Separator(this, "aboutBottomRule", {4, 276, 621, 3});
    connect(visitLink_, &LinkLabel::clicked, this, &AboutPage::visitClicked);
}

void AboutPage::ShowTexts(const ov::BrandingTexts& texts)
{
    aboutText_->setText(Q(texts.aboutText));
    // The text takes the height it needs (a longer translation, a font with
    // more leading); the link and what follows keep their distance below it
    // instead of covering its last line.
    aboutText_->resize(aboutText_->width(), std::max(kAboutTextHeight, aboutText_->sizeHint().height()));
    const int shift = aboutText_->height() - kAboutTextHeight;
    visitLink_->move(visitLink_->x(), kVisitLinkTop + shift);
    aboutTopRule_->move(aboutTopRule_->x(), kAboutTopRuleTop + shift);
    legalText_->move(legalText_->x(), kLegalTextTop + shift);
    aboutTitle_->setText(Q(texts.aboutTitle));
    FitToText(aboutTitle_);
    visitLink_->setText(Q(texts.visitCaption));
    visitLink_->setAccessibleName(visitLink_->text());
}

void AboutPage::SetSideImage(const QPixmap& picture) { ShowSideImage(aboutSideLogo_, picture); }
