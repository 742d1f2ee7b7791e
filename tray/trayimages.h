#pragma once
#include <QImage>
#include <functional>
#include <string>
#include <vector>

namespace ov {

class FreeNotifier;

// Told when a component it refers to is destroyed, so it can drop the
// reference before it dangles.
class IFreeListener {
public:
    virtual void FreeNotification(FreeNotifier* gone) = 0;

protected:
    ~IFreeListener() = default;
};

// A component others may refer to: its destruction tells every listener.
class FreeNotifier {
public:
    FreeNotifier(const FreeNotifier&) = delete;
    FreeNotifier& operator=(const FreeNotifier&) = delete;

    void AddFreeListener(IFreeListener* listener);
    void RemoveFreeListener(IFreeListener* listener);

protected:
    FreeNotifier() = default;
    ~FreeNotifier();

private:
    std::vector<IFreeListener*> listeners_;
};

// One icon: all sizes of the same picture (an .ico file may carry several).
// Empty means "no icon". QImage needs no display, so the logic and its tests
// run headless; the shell turns the images into the platform's icon.
using IconImages = std::vector<QImage>;

// The icon the tray component owns. Every change made through it reports
// itself, so the tray can show the new picture at once.
class IconPicture {
public:
    bool Empty() const { return images_.empty(); }
    const IconImages& Images() const { return images_; }

    void SetImages(IconImages images);
    void Assign(const IconPicture& other) { SetImages(other.images_); }
    void Clear() { SetImages({}); }
    // Reads every image of a picture file (.ico, .png, ...). A file that
    // cannot be read leaves the icon as it was and answers false.
    bool LoadFromFile(const std::string& path);

    std::function<void()> OnChange;

private:
    IconImages images_;
};

// An ordered list of icons, for cycling through them.
class IconSequence : public FreeNotifier {
public:
    IconSequence() = default;
    ~IconSequence() = default;
    int Count() const { return static_cast<int>(icons_.size()); }
    void Add(IconImages icon) { icons_.push_back(std::move(icon)); }
    void Clear() { icons_.clear(); }
    // index must be within 0..Count()-1
    const IconImages& Get(int index) const { return icons_.at(static_cast<size_t>(index)); }

private:
    std::vector<IconImages> icons_;
};

// The popup menu the tray opens. The program's real menu lives with the main
// window; the component only needs these few things of it.
class ITrayMenu : public FreeNotifier {
public:
    virtual ~ITrayMenu() = default;
    virtual bool AutoPopup() const = 0;
    virtual int ItemCount() const = 0;              // top-level items
    virtual bool ItemIsDefault(int index) const = 0;
    virtual void ClickItem(int index) = 0;          // runs the item's action
    virtual void SetPopupComponent(const void* component) = 0;
    virtual void Popup(int x, int y) = 0;           // at screen coordinates
};

} // namespace ov
