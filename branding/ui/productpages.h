#pragma once
#include <QWidget>

class QFrame;
class QLabel;
class QPixmap;
class QPushButton;
class LinkLabel;
namespace ov { struct BrandingTexts; }

// The Newsletter, Resources and About pages. Each shows its texts and the
// side picture it is given and tells when its button or link is used; the
// main window reads the branding and opens the addresses.

class NewsletterPage : public QWidget {
    Q_OBJECT
public:
    explicit NewsletterPage(QWidget* parent = nullptr);
    void SetSideImage(const QPixmap& picture);

signals:
    void subscribeClicked();

private:
    QLabel* newsletterSideLogo_ = nullptr;
    QLabel* newsletterHeadline_ = nullptr;
    QLabel* newsletterIntro_ = nullptr;
    QLabel* newsletterHowTo_ = nullptr;
    QFrame* newsletterRule_ = nullptr;
    QLabel* newsletterPrivacy_ = nullptr;
    QPushButton* subscribeButton_ = nullptr;
};

class ResourcesPage : public QWidget {
    Q_OBJECT
public:
    explicit ResourcesPage(QWidget* parent = nullptr);
    void ShowTexts(const ov::BrandingTexts& texts);
    void SetSideImage(const QPixmap& picture);

signals:
    void resourcesClicked();

private:
    QLabel* resourcesSideLogo_ = nullptr;
    QLabel* resourcesTitle_ = nullptr;
    QLabel* resourcesText_ = nullptr;
    QFrame* resourcesRule_ = nullptr;
    QPushButton* resourcesButton_ = nullptr;
};

class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget* parent = nullptr);
    void ShowTexts(const ov::BrandingTexts& texts);
    void SetSideImage(const QPixmap& picture);

signals:
    void visitClicked();

private:
    QLabel* aboutSideLogo_ = nullptr;
    QLabel* aboutTitle_ = nullptr;
    QLabel* aboutText_ = nullptr;
    LinkLabel* visitLink_ = nullptr;
    QFrame* aboutTopRule_ = nullptr;
    QLabel* legalText_ = nullptr;
    QFrame* aboutBottomRule_ = nullptr;
};
