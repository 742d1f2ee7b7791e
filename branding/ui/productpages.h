#pragma once
#include "branding/branding.h"

#include <QObject>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;
class LinkLabel;
class MainWindow;

// The Newsletter, Resources and About pages and the branding of the window.
class ProductPages : public QObject {
    Q_OBJECT
public:
    explicit ProductPages(MainWindow& window);

    // The record read at start-up; the links of the Help page use it too.
    ov::BrandingInfo branding_;

    // Newsletter
    QLabel* newsletterSideLogo_ = nullptr;
    QLabel* newsletterHeadline_ = nullptr;
    QLabel* newsletterIntro_ = nullptr;
    QLabel* newsletterHowTo_ = nullptr;
    QLabel* newsletterPrivacy_ = nullptr;
    QFrame* newsletterRule_ = nullptr;
    QPushButton* subscribeButton_ = nullptr;
    // Resources
    QLabel* resourcesSideLogo_ = nullptr;
    QLabel* resourcesTitle_ = nullptr;
    QLabel* resourcesText_ = nullptr;
    QFrame* resourcesRule_ = nullptr;
    QPushButton* resourcesButton_ = nullptr;
    // About
    QLabel* aboutSideLogo_ = nullptr;
    QLabel* aboutTitle_ = nullptr;
    QLabel* aboutText_ = nullptr;
    LinkLabel* visitLink_ = nullptr;
    QFrame* aboutTopRule_ = nullptr;
    QLabel* legalText_ = nullptr;
    QFrame* aboutBottomRule_ = nullptr;

    // Reads the branding record and puts it on the window: titles,
    // captions, icon and logos.
    void ApplyBranding();

private:
    void BuildNewsletter();
    void BuildResources();
    void BuildAbout();
    void SetSideImage(QLabel* label, const QPixmap& picture);
    void SetLogo(const QPixmap& picture);

    MainWindow& window_;
};
