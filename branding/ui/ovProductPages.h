#pragma once
#include "branding/ovBranding.h"

#include <QObject>
#include <QPixmap>

class QFrame;
class QLabel;
class QPushButton;
class TLinkLabel;
class TMainFrm;

// The Newsletter, Resources and About pages and the branding of the window.
class TProductPages : public QObject {
    Q_OBJECT
public:
    explicit TProductPages(TMainFrm& frm);

    // The record read at start-up; the links of the Help page use it too.
    ov::BrandingInfo Info;

    // Newsletter
    QLabel* logo2_4 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* JvHTLabel1 = nullptr;
    QLabel* JvHTLabel2 = nullptr;
    QLabel* JvHTLabel3 = nullptr;
    QFrame* Panel5 = nullptr;
    QPushButton* Btn_Subscribe = nullptr;
    // Resources
    QLabel* logo2_5 = nullptr;
    QLabel* Lbl_Resource = nullptr;
    QLabel* Label13 = nullptr;
    QFrame* Panel6 = nullptr;
    QPushButton* Btn_Resources = nullptr;
    // About
    QLabel* logo2_6 = nullptr;
    QLabel* Lbl_About = nullptr;
    QLabel* lbl_PatPend = nullptr;
    TLinkLabel* Lbl_Visit = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* Label11 = nullptr;
    QFrame* Panel4 = nullptr;

    // Reads the branding record and puts it on the window: titles,
    // captions, icon and logos.
    void ApplyBranding();

private:
    void BuildNewsletter();
    void BuildResources();
    void BuildAbout();
    void SetSideImage(QLabel* label, const QPixmap& picture);
    void SetLogo(const QPixmap& picture);

    TMainFrm& frm_;
};
