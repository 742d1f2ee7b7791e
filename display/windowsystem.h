#pragma once
#include <QImage>
#include <QRect>
#include <QRegion>
#include <chrono>
#include <functional>

namespace ov {

// What the phrase window needs from the window system beyond Qt: whether a
// compositing manager or Xwayland blends translucent windows, what is on
// the screen beneath a window, a shape and picture in device pixels that
// the server shows the moment it maps the window, and word of that moment. All places
// and sizes are in device pixels; window is the native window id.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // False where there is nothing beyond the toolkit: the phrase window is
    // then cut by the toolkit's mask and shown at its window opacity.
    virtual bool Available() { return true; }

    // True when a compositing manager runs, which honours window opacity.
    virtual bool Compositing() = 0;

    // True when the X server is Xwayland: a Wayland compositor composes its
    // windows, though no compositing manager announces itself.
    virtual bool Xwayland() = 0;

    // The screen's pixels in area; a null image when they cannot be read.
    virtual QImage GrabScreen(const QRect& area) = 0;

    // Cuts window to shape and has the server paint picture into it by
    // itself as it maps it, so its first frame is the whole phrase. The
    // picture is premultiplied ARGB for a window of 32 bits, else RGB.
    // False when this cannot be done.
    virtual bool Prepare(unsigned long window, const QRegion& shape, const QImage& picture) = 0;

    // Maps window and asks the server whether it is now on the screen. The
    // answer comes after the server has carried out the map, so it tells
    // the moment the phrase went up: confirmed is when it arrived. False
    // when it is not mapped yet.
    virtual bool Map(unsigned long window, std::chrono::steady_clock::time_point& confirmed) = 0;

    // Takes window off the screen at once, ahead of the toolkit's own
    // bookkeeping.
    virtual void Unmap(unsigned long window) = 0;

    // Calls mapped once, when the server reports window mapped (before
    // anything it draws reaches the screen, the time on screen starts). A
    // later call replaces the earlier one; an empty one stops watching.
    // False when the system gives no word of it.
    virtual bool WatchMap(unsigned long window, std::function<void()> mapped) = 0;
};

// The window system of a platform without one the program knows (offscreen,
// Wayland-native, ...): it offers nothing, and the toolkit does the job.
class NoWindowSystem : public WindowSystem {
public:
    bool Available() override { return false; }
    bool Compositing() override { return false; }
    bool Xwayland() override { return false; }
    QImage GrabScreen(const QRect&) override { return {}; }
    bool Prepare(unsigned long, const QRegion&, const QImage&) override { return false; }
    bool Map(unsigned long, std::chrono::steady_clock::time_point&) override { return false; }
    void Unmap(unsigned long) override {}
    bool WatchMap(unsigned long, std::function<void()>) override { return false; }
};

} // namespace ov
