#include "display/ui/colourkeymask.h"

#include "display/glyphmask.h"

#include <QEvent>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

ColourKeyMask::ColourKeyMask(QWidget& window, QColor key) : QObject(&window), window_(window), key_(key)
{
    window_.installEventFilter(this);
}

bool ColourKeyMask::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && (event->type() == QEvent::Show || event->type() == QEvent::Resize) && !pending_) {
        // Read the picture once the window has laid itself out and painted.
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            Refresh();
        });
    }
    return false;
}

void ColourKeyMask::Refresh()
{
    if (!window_.isVisible())
        return;
    QImage picture = window_.grab().toImage();
    if (picture.size() != window_.size())
        picture = picture.scaled(window_.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRegion visible = ov::RegionFromBitmap(picture, key_.rgb());
    const QRegion whole(window_.rect());
    if (visible.xored(whole).isEmpty())
        window_.clearMask();
    else
        window_.setMask(visible);
}
