#include "tray/TrayImages.h"
#include <QImageReader>
#include <QString>
#include <algorithm>

namespace ov {

void TFreeNotifier::AddFreeListener(IFreeListener* listener)
{
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void TFreeNotifier::RemoveFreeListener(IFreeListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

TFreeNotifier::~TFreeNotifier()
{
    // A listener may unregister itself while being told; work on a copy.
    std::vector<IFreeListener*> listeners;
    listeners.swap(listeners_);
    for (IFreeListener* l : listeners)
        l->FreeNotification(this);
}

void TIcon::SetImages(TIconImages images)
{
    images_ = std::move(images);
    if (OnChange)
        OnChange();
}

bool TIcon::LoadFromFile(const std::string& path)
{
    QImageReader reader(QString::fromLocal8Bit(path.c_str()));
    TIconImages images;
    const int count = std::max(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToNextImage())
            break;
        QImage img = reader.read();
        if (img.isNull())
            break;
        images.push_back(std::move(img));
    }
    if (images.empty())
        return false;
    SetImages(std::move(images));
    return true;
}

} // namespace ov
