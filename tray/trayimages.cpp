#include "tray/trayimages.h"
#include <QImageReader>
#include <QString>
#include <algorithm>

namespace ov {

void FreeNotifier::AddFreeListener(IFreeListener* listener)
{
    if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
        listeners_.push_back(listener);
}

void FreeNotifier::RemoveFreeListener(IFreeListener* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

FreeNotifier::~FreeNotifier()
{
    // A listener may unregister itself while being told; work on a copy.
    std::vector<IFreeListener*> listeners;
    listeners.swap(listeners_);
    for (IFreeListener* l : listeners)
        l->FreeNotification(this);
}

void IconPicture::SetImages(IconImages images)
{
    images_ = std::move(images);
    if (OnChange)
        OnChange();
}

bool IconPicture::LoadFromFile(const std::string& path)
{
    QImageReader reader(QString::fromLocal8Bit(path.c_str()));
    IconImages images;
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
