// The main window's branding and the web page behind the last tab.
#include "app/ui/mainwindow.h"
#include "branding/brandart.h"
#include "branding/ui/productpages.h"
#include "branding/ui/weblink.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"
#include "settings/ui/settingspage.h"

#include <QApplication>
#include <QDate>
#include <QIcon>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

using ov::Q;

void MainWindow::SetLogo(const QPixmap& picture)
{
    // The header takes the picture's width and shows it centred.
    headerLogo_->setPixmap(picture);
    headerLogo_->setAlignment(Qt::AlignCenter);
    headerLogo_->setGeometry(0, 0, picture.width(), headerPanel_->height());
}

void MainWindow::ApplyBranding()
{
    const std::string exePath = ov::ExePath();
    const std::string exeName = exePath.substr(exePath.find_last_of('/') + 1);
    branding_ = ov::LoadBrandingInfo(ov::BrandingKeyPath(exeName));

    const ov::BrandingTexts t = ov::ComposeBrandingTexts(
        branding_, ov::FormatFileVersion(exePath, ov::kBuildFormat), QDate::currentDate().year());
    ov::MessageBox::SetApplicationTitle(t.applicationTitle);
    setWindowTitle(Q(t.applicationTitle));
    resourcesPage_->ShowTexts(t);
    aboutPage_->ShowTexts(t);

    // Pictures beside the executable replace the built-in ones; a file that
    // is not a readable picture is passed over like a missing one.
    QIcon icon;
    if (const auto img = ov::LoadPicture(ov::PictureFolder(ov::kIconFile), ov::kIconFile))
        icon = QIcon(QPixmap::fromImage(*img));
    if (icon.isNull()) {
        for (int size : {16, 22, 24, 32, 48, 64, 128})
            icon.addPixmap(QPixmap::fromImage(ov::BuiltinIconImage(size)));
    }
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon); // the tray icon follows the main window's icon

    const auto logo = ov::LoadPicture(ov::PictureFolder(ov::kLogoFile), ov::kLogoFile);
    SetLogo(QPixmap::fromImage(
        logo ? *logo : ov::BuiltinHeaderImage(Q(branding_.AppName), headerPanel_->width(), headerPanel_->height())));

    const auto side = ov::LoadPicture(ov::PictureFolder(ov::kSideLogoFile), ov::kSideLogoFile);
    const QPixmap sidePicture = QPixmap::fromImage(side ? *side : ov::BuiltinSideImage());
    settingsPage_->SetSideImage(sidePicture);
    newsletterPage_->SetSideImage(sidePicture);
    resourcesPage_->SetSideImage(sidePicture);
    aboutPage_->SetSideImage(sidePicture);
}

void MainWindow::onPageChanged(int index)
{
    if (pages_->widget(index) != additionalPage_) return;
    // Back to Messages at once, so the empty page never shows; the link is
    // followed once the tab bar has finished with the click.
    selectingPage_ = true;
    pages_->setCurrentIndex(0);
    selectingPage_ = false;
    QTimer::singleShot(0, this, [this] { ov::Guarded([this] { ov::OpenWebPage(branding_.HTTP_ADDITIONAL, this); }); });
}
