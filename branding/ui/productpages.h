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
    QLabel* sideLogo_ = nullptr;
    QLabel* headline_ = nullptr;
    QLabel* intro_ = nullptr;
    QLabel* howTo_ = nullptr;
    QFrame* rule_ = nullptr;
    QLabel* privacy_ = nullptr;
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
    QLabel* sideLogo_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* text_ = nullptr;
    QFrame* rule_ = nullptr;
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
    QLabel* sideLogo_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* text_ = nullptr;
    LinkLabel* visitLink_ = nullptr;
    QFrame* topRule_ = nullptr;
    QLabel* legalText_ = nullptr;
    QFrame* bottomRule_ = nullptr;
};
