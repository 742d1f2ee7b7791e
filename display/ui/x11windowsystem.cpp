#include "display/ui/x11windowsystem.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <pthread.h>
#include <sched.h>
#include <string>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include "display/phraseroute.h"

namespace ov {

namespace {

template <typename T>
struct Reply {
    T* p = nullptr;
    explicit Reply(T* r) : p(r) {}
    ~Reply() { std::free(p); }
    Reply(const Reply&) = delete;
    Reply& operator=(const Reply&) = delete;
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

// The calling thread at the lowest real-time priority for as long as this
// lives, where the system grants it without asking; unchanged elsewhere.
class RealTimeWait {
public:
    RealTimeWait()
    {
        if (pthread_getschedparam(pthread_self(), &policy_, &param_) != 0 || policy_ != SCHED_OTHER)
            return;
        sched_param urgent {};
        urgent.sched_priority = 1;
        raised_ = pthread_setschedparam(pthread_self(), SCHED_FIFO, &urgent) == 0;
    }
    ~RealTimeWait()
    {
        if (raised_)
            pthread_setschedparam(pthread_self(), policy_, &param_);
    }
    RealTimeWait(const RealTimeWait&) = delete;
    RealTimeWait& operator=(const RealTimeWait&) = delete;

private:
    int policy_ = SCHED_OTHER;
    sched_param param_ {};
    bool raised_ = false;
};

class X11WindowSystem : public WindowSystem, public QAbstractNativeEventFilter {
public:
    explicit X11WindowSystem(xcb_connection_t* c) : c_(c)
    {
        int screenNumber = 0;
        char* host = nullptr;
        int display = 0;
        if (xcb_parse_display(nullptr, &host, &display, &screenNumber) == 0)
            screenNumber = 0;
        std::free(host);
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        for (int i = 0; it.rem && i < screenNumber; ++i)
            xcb_screen_next(&it);
        if (!it.rem)
            it = xcb_setup_roots_iterator(xcb_get_setup(c_));
        screen_ = it.data;
        // A compositing manager announces itself by owning this selection.
        const std::string name = "_NET_WM_CM_S" + std::to_string(screenNumber);
        Reply<xcb_intern_atom_reply_t> atom(
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, uint16_t(name.size()), name.c_str()), nullptr));
        cmAtom_ = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        const xcb_query_extension_reply_t* shape = xcb_get_extension_data(c_, &xcb_shape_id);
        hasShape_ = shape && shape->present;
        reassert_.setSingleShot(true);
        QObject::connect(&reassert_, &QTimer::timeout, [this] { ReassertShape(); });
        QCoreApplication::instance()->installNativeEventFilter(this);
        // A connection of our own for the map and unmap: its answers come
        // straight to us, not through the toolkit's event reader thread,
        // a hand-over that costs a few tenths of a millisecond.
        quick_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(quick_)) {
            xcb_disconnect(quick_);
            quick_ = nullptr;
        }
    }

    ~X11WindowSystem() override
    {
        if (quick_)
            xcb_disconnect(quick_);
        if (QCoreApplication::instance())
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool Compositing() override
    {
        if (cmAtom_ == XCB_ATOM_NONE)
            return false;
        Reply<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(c_, xcb_get_selection_owner(c_, cmAtom_), nullptr));
        return owner && owner->owner != XCB_WINDOW_NONE;
    }

    bool Xwayland() override
    {
        // The kind of server does not change while we are connected to it.
        if (!xwayland_) {
            const char name[] = "XWAYLAND";
            Reply<xcb_query_extension_reply_t> extension(xcb_query_extension_reply(
                c_, xcb_query_extension(c_, uint16_t(sizeof name - 1), name), nullptr));
            std::vector<std::string> outputs;
            for (const QScreen* screen : QGuiApplication::screens())
                outputs.push_back(screen->name().toStdString());
            xwayland_ = LooksLikeXwayland(extension && extension->present, outputs);
        }
        return *xwayland_;
    }

    QImage GrabScreen(const QRect& area) override
    {
        const QRect root(0, 0, screen_->width_in_pixels, screen_->height_in_pixels);
        const QRect part = area.intersected(root); // outside the root the server refuses to read
        if (area.isEmpty() || part.isEmpty() || screen_->root_depth != 24 || !TrueColour(screen_->root_depth))
            return {};
        Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
            c_,
            xcb_get_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root, int16_t(part.x()), int16_t(part.y()),
                          uint16_t(part.width()), uint16_t(part.height()), ~0u),
            nullptr));
        if (!image || xcb_get_image_data_length(image.p) < part.width() * part.height() * 4)
            return {};
        const int stride = xcb_get_image_data_length(image.p) / part.height();
        if (part == area) {
            // The reply's pixels are the picture (the unused top byte is
            // ignored in RGB32): hand them over without a copy.
            xcb_get_image_reply_t* reply = image.p;
            image.p = nullptr;
            return QImage(xcb_get_image_data(reply), part.width(), part.height(), stride, QImage::Format_RGB32,
                          [](void* r) { std::free(r); }, reply);
        }
        QImage out(area.size(), QImage::Format_RGB32);
        if (out.isNull())
            return {};
        out.fill(Qt::black);
        const uint8_t* data = xcb_get_image_data(image.p);
        const int dx = part.x() - area.x();
        for (int y = 0; y < part.height(); ++y)
            std::copy_n(data + y * stride, part.width() * 4,
                        out.scanLine(y + part.y() - area.y()) + dx * 4);
        return out;
    }

    bool Prepare(unsigned long window, const QRegion& shape, const QImage& picture) override
    {
        if (!hasShape_ || picture.isNull())
            return false;
        const xcb_window_t w = xcb_window_t(window);
        if (w != depthOf_) {
            // A window keeps its depth: one round trip per window, not per show.
            Reply<xcb_get_geometry_reply_t> geometry(xcb_get_geometry_reply(c_, xcb_get_geometry(c_, w), nullptr));
            if (!geometry)
                return false;
            depthOf_ = w;
            depth_ = geometry->depth;
        }
        if (!TrueColour(depth_))
            return false;

        glyphs_ = shape;
        wholeSize_ = picture.size();
        // On Xwayland the window starts whole (its pixels outside the glyphs
        // are clear) so that the shape can later shrink without a repaint.
        const bool reassert = depth_ == 32 && Xwayland();
        SetBoundingShape(w, reassert ? ShrunkShape(0) : shape);
        // The map follows at once; a shown phrase that changes is repainted.
        reassertStep_ = 0;
        if (reassert)
            reassert_.start(FirstReassertMs);
        else
            reassert_.stop();

        // The picture becomes the window's background, which the server
        // paints as part of mapping it: the first frame is never empty. A
        // window of 32 bits takes premultiplied alpha, as the pixmap of its
        // depth holds it.
        const QImage::Format format = depth_ == 32 ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
        const QImage image = picture.format() == format ? picture : picture.convertToFormat(format);
        const xcb_pixmap_t pixmap = xcb_generate_id(c_);
        xcb_create_pixmap(c_, depth_, pixmap, w, uint16_t(image.width()), uint16_t(image.height()));
        const xcb_gcontext_t gc = xcb_generate_id(c_);
        xcb_create_gc(c_, gc, pixmap, 0, nullptr);
        const int rowBytes = image.width() * 4;
        const int rowsPerRequest = std::max(1, int((MaxRequestBytes() - 24) / size_t(rowBytes)));
        std::vector<uint8_t> strip;
        for (int y = 0; y < image.height(); y += rowsPerRequest) {
            const int rows = std::min(rowsPerRequest, image.height() - y);
            strip.resize(size_t(rows) * size_t(rowBytes));
            for (int k = 0; k < rows; ++k)
                std::copy_n(image.constScanLine(y + k), rowBytes, strip.data() + size_t(k) * size_t(rowBytes));
            xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, uint16_t(image.width()), uint16_t(rows), 0,
                          int16_t(y), 0, depth_, uint32_t(strip.size()), strip.data());
        }
        xcb_change_window_attributes(c_, w, XCB_CW_BACK_PIXMAP, &pixmap);
        xcb_free_gc(c_, gc);
        xcb_free_pixmap(c_, pixmap); // the window keeps it as long as it needs it
        return true;
    }

    bool Map(unsigned long window, std::chrono::steady_clock::time_point& confirmed) override
    {
        // A busy machine would wake us late for the answer and the display
        // time would count from then: where the system lets us, we wait for
        // it at real-time priority.
        const RealTimeWait urgent;
        xcb_connection_t* c = quick_ ? quick_ : c_;
        if (quick_) {
            // What the toolkit sent before (shape, picture, place, stacking)
            // must be done before the map arrives by the other road.
            Reply<xcb_get_input_focus_reply_t> sync(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
        }
        xcb_map_window(c, xcb_window_t(window));
        Reply<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
            c, xcb_get_window_attributes(c, xcb_window_t(window)), nullptr));
        confirmed = std::chrono::steady_clock::now();
        return attributes && attributes->map_state != XCB_MAP_STATE_UNMAPPED;
    }

    void Unmap(unsigned long window) override
    {
        xcb_connection_t* c = quick_ ? quick_ : c_;
        xcb_unmap_window(c, xcb_window_t(window));
        xcb_flush(c);
    }

    bool WatchMap(unsigned long window, std::function<void()> mapped) override
    {
        watched_ = xcb_window_t(window);
        mapped_ = std::move(mapped);
        return true;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (!mapped_ || eventType != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY
            && reinterpret_cast<const xcb_map_notify_event_t*>(event)->window == watched_) {
            std::function<void()> call = std::move(mapped_);
            mapped_ = nullptr;
            call();
        }
        return false;
    }

private:
    static constexpr int FirstReassertMs = 15;
    static constexpr int ReassertSteps = 7; // the last about 1.9 s after the show

    void SetBoundingShape(xcb_window_t w, const QRegion& shape)
    {
        std::vector<xcb_rectangle_t> rects;
        rects.reserve(size_t(shape.rectCount()));
        for (const QRect& r : shape)
            rects.push_back({int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())});
        // X servers drop a shape request longer than a plain request may
        // be (big requests or not) and leave the window with no shape.
        const size_t shapeBytes = std::min<size_t>(MaxRequestBytes(), 65535 * 4);
        const size_t perRequest = std::max<size_t>(1, (shapeBytes - 16) / sizeof(xcb_rectangle_t));
        if (rects.empty())
            xcb_shape_rectangles(c_, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED, w, 0, 0, 0,
                                 nullptr);
        for (size_t i = 0; i < rects.size(); i += perRequest)
            xcb_shape_rectangles(c_, i == 0 ? XCB_SHAPE_SO_SET : XCB_SHAPE_SO_UNION, XCB_SHAPE_SK_BOUNDING,
                                 XCB_CLIP_ORDERING_UNSORTED, w, 0, 0,
                                 uint32_t(std::min(perRequest, rects.size() - i)), rects.data() + i);
    }

    // The glyphs and the window but for its first columns: each step drops
    // one more clear column, so the shape changes without showing anything.
    QRegion ShrunkShape(int step) const
    {
        return glyphs_.united(QRect(QPoint(step, 0), wholeSize_).intersected(QRect(QPoint(0, 0), wholeSize_)));
    }

    // Mutter (GNOME 43) hands an Xwayland window's input shape to the
    // window's Wayland surface only at a commit of that surface made while
    // a change of the window's shape is pending; any other commit, and those
    // made before it has paired the fresh surface (one per map) with the
    // window, leave the surface taking every click over its whole rectangle.
    // So for a while after the map each step repaints the window (a commit
    // that takes the change made a step before) and shrinks the shape by a
    // clear column (a change pending for the next commit, ours or another).
    void ReassertShape()
    {
        if (depthOf_ == XCB_WINDOW_NONE)
            return;
        xcb_clear_area(c_, 0, depthOf_, 0, 0, 0, 0);
        SetBoundingShape(depthOf_, ShrunkShape(reassertStep_ + 1));
        xcb_flush(c_);
        if (++reassertStep_ < ReassertSteps)
            reassert_.start(FirstReassertMs << reassertStep_);
    }

    // 24-bit colour (and 8 bits of alpha at depth 32) held in 32-bit pixels,
    // low byte first, as QImage's RGB32 and ARGB32.
    bool TrueColour(uint8_t depth) const
    {
        if ((depth != 24 && depth != 32) || xcb_get_setup(c_)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
            return false;
        for (xcb_format_iterator_t f = xcb_setup_pixmap_formats_iterator(xcb_get_setup(c_)); f.rem;
             xcb_format_next(&f))
            if (f.data->depth == depth)
                return f.data->bits_per_pixel == 32;
        return false;
    }

    size_t MaxRequestBytes() const { return size_t(xcb_get_maximum_request_length(c_)) * 4; }

    xcb_connection_t* c_;
    xcb_connection_t* quick_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
    xcb_atom_t cmAtom_ = XCB_ATOM_NONE;
    bool hasShape_ = false;
    xcb_window_t watched_ = XCB_WINDOW_NONE;
    xcb_window_t depthOf_ = XCB_WINDOW_NONE;
    uint8_t depth_ = 0;
    QRegion glyphs_;
    QSize wholeSize_;
    QTimer reassert_;
    int reassertStep_ = 0;
    std::optional<bool> xwayland_;
    std::function<void()> mapped_;
};

} // namespace

std::unique_ptr<WindowSystem> X11WindowSystemOn(xcb_connection_t* connection)
{
    return std::make_unique<X11WindowSystem>(connection);
}

} // namespace ov
