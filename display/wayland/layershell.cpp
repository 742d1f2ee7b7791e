#include "display/wayland/layershell.h"

#ifndef ORVELLA_WAYLAND

namespace ov {
// Built without libwayland-client: every phrase takes the X window.
SurfaceWish PlatformSurfaceWish() { return SurfaceWish::XWindow; }
std::unique_ptr<PhraseOverlay> PlatformOverlay(SurfaceWish) { return nullptr; }
} // namespace ov

#else

#include "display/wayland/roundtrip.h"
#include "platform/error.h"

#include "presentation-time-client-protocol.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QtGlobal>
#include <wayland-client.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace ov {

namespace {

// A compositor that has not put the phrase up by then is not going to: the
// display time then starts anyway, so the cycle goes on.
constexpr int ScreenWaitMs = 500;
// The connection waits this long at most for the compositor's list of globals.
constexpr int ConnectWaitMs = 1000;

void Log(const std::string& text) { std::fprintf(stderr, "orvella: %s\n", text.c_str()); }

std::string ErrnoText(int error) { return std::strerror(error); }

class LayerShellOverlay : public PhraseOverlay {
public:
    explicit LayerShellOverlay(SurfaceWish wish) : wish_(wish), required_(wish == SurfaceWish::LayerShell)
    {
        guard_.setSingleShot(true);
        guard_.setInterval(ScreenWaitMs);
        QObject::connect(&guard_, &QTimer::timeout, [this] { OnScreen(); });
    }

    ~LayerShellOverlay() override
    {
        delete reader_;
        delete writer_;
        reader_ = writer_ = nullptr;
        Disconnect();
    }

    bool Open() override;
    bool Usable() const override { return display_ != nullptr; }
    int Scale() const override;
    void Show(const QImage& picture, const OverlayPlace& place, std::function<void()> onScreen) override;
    void Hide() override;

private:
    enum class Step { Idle, Probing, Configuring, Presenting, Shown };

    struct Output {
        uint32_t name = 0;
        wl_output* output = nullptr;
        int scale = 1;
    };

    struct Surface {
        wl_surface* surface = nullptr;
        zwlr_layer_surface_v1* layer = nullptr;
    };

    static const wl_registry_listener registryListener_;
    static const zwlr_layer_surface_v1_listener layerListener_;
    static const wp_presentation_feedback_listener feedbackListener_;
    static const wl_callback_listener frameListener_;
    static const wl_output_listener outputListener_;

    void OnGlobal(wl_registry* registry, uint32_t name, const char* interface, uint32_t version);
    void OnConfigure(zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width, uint32_t height);
    void OnClosed(zwlr_layer_surface_v1* layer);
    void OnFeedback(bool presented);
    void OnFrame();
    void OnScreen();

    // Connects and learns what the compositor offers; false with the reason
    // when there is no layer shell to be had.
    bool Connect(std::string* why);
    void Dispatch();
    void Flush();
    void Lose(const std::string& reason);
    void Disconnect();

    Surface NewLayerSurface(uint32_t anchor, const QSize& size, const QPoint& margins);
    static void DestroySurface(Surface& s);
    wl_buffer* MakeBuffer(const QImage& picture, const QSize& size);
    void Present();
    void DropFlash();

    SurfaceWish wish_;
    bool required_;
    bool opened_ = false;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    uint32_t compositorVersion_ = 0;
    wl_shm* shm_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    wp_presentation* presentation_ = nullptr;
    std::vector<Output> outputs_;
    QSocketNotifier* reader_ = nullptr;
    QSocketNotifier* writer_ = nullptr;

    Step step_ = Step::Idle;
    Surface probe_;
    Surface flash_;
    wl_buffer* buffer_ = nullptr;
    struct wp_presentation_feedback* feedback_ = nullptr;
    wl_callback* frame_ = nullptr;
    bool framed_ = false;
    // Some compositors offer presentation reports and never send one (sway
    // on its headless backend): until one has come, the frame callback says.
    bool presentationSeen_ = false;
    QSize size_;  // in surface coordinates
    int scale_ = 1;
    OverlayPlace place_;
    std::function<void()> onScreen_;
    QTimer guard_;
};

const wl_registry_listener LayerShellOverlay::registryListener_ = {
    [](void* self, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
        static_cast<LayerShellOverlay*>(self)->OnGlobal(registry, name, interface, version);
    },
    [](void* self, wl_registry*, uint32_t name) {
        auto& outputs = static_cast<LayerShellOverlay*>(self)->outputs_;
        for (auto it = outputs.begin(); it != outputs.end(); ++it)
            if (it->name == name) {
                wl_output_destroy(it->output);
                outputs.erase(it);
                break;
            }
    },
};

// Only the scale matters; the list entry is found by its proxy.
const wl_output_listener LayerShellOverlay::outputListener_ = {
    [](void*, wl_output*, int32_t, int32_t, int32_t, int32_t, int32_t, const char*, const char*, int32_t) {},
    [](void*, wl_output*, uint32_t, int32_t, int32_t, int32_t) {},
    [](void*, wl_output*) {},
    [](void* self, wl_output* output, int32_t factor) {
        for (Output& o : static_cast<LayerShellOverlay*>(self)->outputs_)
            if (o.output == output)
                o.scale = std::max(1, factor);
    },
    nullptr, // name and description: version 4, not bound
    nullptr,
};

int LayerShellOverlay::Scale() const
{
    if (compositorVersion_ < 3)
        return 1; // no buffer scale to tell it with
    int scale = 1;
    for (const Output& o : outputs_)
        scale = std::max(scale, o.scale);
    return scale;
}

const zwlr_layer_surface_v1_listener LayerShellOverlay::layerListener_ = {
    [](void* self, zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width, uint32_t height) {
        static_cast<LayerShellOverlay*>(self)->OnConfigure(layer, serial, width, height);
    },
    [](void* self, zwlr_layer_surface_v1* layer) { static_cast<LayerShellOverlay*>(self)->OnClosed(layer); },
};

const wp_presentation_feedback_listener LayerShellOverlay::feedbackListener_ = {
    [](void*, struct wp_presentation_feedback*, wl_output*) {},
    [](void* self, struct wp_presentation_feedback*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t,
       uint32_t) { static_cast<LayerShellOverlay*>(self)->OnFeedback(true); },
    [](void* self, struct wp_presentation_feedback*) { static_cast<LayerShellOverlay*>(self)->OnFeedback(false); },
};

const wl_callback_listener LayerShellOverlay::frameListener_ = {
    [](void* self, wl_callback*, uint32_t) { static_cast<LayerShellOverlay*>(self)->OnFrame(); },
};

void LayerShellOverlay::OnGlobal(wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    const std::string_view what(interface);
    if (what == wl_compositor_interface.name && !compositor_) {
        // Version 3 brings the buffer scale; nothing later is needed.
        compositorVersion_ = std::min<uint32_t>(version, 3);
        compositor_ = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, compositorVersion_));
    } else if (what == wl_shm_interface.name && !shm_) {
        shm_ = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    } else if (what == zwlr_layer_shell_v1_interface.name && !layerShell_) {
        layerShell_ = static_cast<zwlr_layer_shell_v1*>(
            wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, 1));
    } else if (what == wl_output_interface.name && version >= 2) {
        Output o;
        o.name = name;
        o.output = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, 2));
        wl_output_add_listener(o.output, &outputListener_, this);
        outputs_.push_back(o);
    } else if (what == wp_presentation_interface.name && !presentation_) {
        presentation_ =
            static_cast<wp_presentation*>(wl_registry_bind(registry, name, &wp_presentation_interface, 1));
    }
}

bool LayerShellOverlay::Open()
{
    // Once, at the first phrase rather than at start-up: a compositor slow
    // to answer then holds up no window.
    if (!opened_) {
        opened_ = true;
        std::string why = "WAYLAND_DISPLAY is not set";
        const bool offered = TryLayerShell(wish_, qgetenv("WAYLAND_DISPLAY").toStdString()) && Connect(&why);
        if (!offered && required_)
            Log("ORVELLA_PHRASE_SURFACE=layer-shell, but " + why + ": no phrases are shown");
    }
    return Usable();
}

bool LayerShellOverlay::Connect(std::string* why)
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    display_ = wl_display_connect(nullptr);
    if (!display_) {
        *why = "cannot connect to the Wayland compositor " + name.toStdString() + " (" + ErrnoText(errno) + ")";
        return false;
    }
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &registryListener_, this);
    // The outputs' scales come in answer to their binding.
    if (!BoundedRoundtrip(display_, ConnectWaitMs)
        || (!outputs_.empty() && !BoundedRoundtrip(display_, ConnectWaitMs))) {
        *why = "the Wayland compositor " + name.toStdString() + " did not answer";
        Disconnect();
        return false;
    }
    if (!compositor_ || !shm_ || !layerShell_) {
        *why = "the Wayland compositor " + name.toStdString() + " offers no layer shell";
        Disconnect();
        return false;
    }
    const int fd = wl_display_get_fd(display_);
    reader_ = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(reader_, &QSocketNotifier::activated, [this] { Dispatch(); });
    writer_ = new QSocketNotifier(fd, QSocketNotifier::Write);
    writer_->setEnabled(false);
    QObject::connect(writer_, &QSocketNotifier::activated, [this] { Flush(); });
    return true;
}

void LayerShellOverlay::Dispatch()
{
    if (!display_)
        return;
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0)
            return Lose(ErrnoText(wl_display_get_error(display_)));
    }
    if (wl_display_read_events(display_) < 0)
        return Lose(ErrnoText(errno));
    if (wl_display_dispatch_pending(display_) < 0)
        return Lose(ErrnoText(wl_display_get_error(display_)));
    Flush();
}

void LayerShellOverlay::Flush()
{
    if (!display_)
        return;
    if (wl_display_flush(display_) >= 0) {
        writer_->setEnabled(false);
    } else if (errno == EAGAIN) {
        writer_->setEnabled(true); // the rest goes when the socket has room
    } else {
        Lose(ErrnoText(errno));
    }
}

void LayerShellOverlay::Lose(const std::string& reason)
{
    if (!display_)
        return;
    Log("the connection to the Wayland compositor was lost" + (reason.empty() ? "" : " (" + reason + ")") +
        (required_ ? "; no phrases are shown from now on" : "; phrases show in an X window from now on"));
    Disconnect();
    OnScreen(); // whatever was on its way is gone; the cycle goes on
}

void LayerShellOverlay::Disconnect()
{
    // The notifiers may be the ones calling: they go when the loop is back.
    for (QSocketNotifier* n : {reader_, writer_}) {
        if (n) {
            n->setEnabled(false);
            n->deleteLater();
        }
    }
    reader_ = writer_ = nullptr;
    if (!display_)
        return;
    DropFlash();
    for (const Output& o : outputs_)
        wl_output_destroy(o.output);
    outputs_.clear();
    if (presentation_)
        wp_presentation_destroy(presentation_);
    if (layerShell_)
        zwlr_layer_shell_v1_destroy(layerShell_);
    if (shm_)
        wl_shm_destroy(shm_);
    if (compositor_)
        wl_compositor_destroy(compositor_);
    if (registry_)
        wl_registry_destroy(registry_);
    presentation_ = nullptr;
    layerShell_ = nullptr;
    shm_ = nullptr;
    compositor_ = nullptr;
    registry_ = nullptr;
    wl_display_disconnect(display_);
    display_ = nullptr;
}

LayerShellOverlay::Surface LayerShellOverlay::NewLayerSurface(uint32_t anchor, const QSize& size,
                                                              const QPoint& margins)
{
    Surface s;
    s.surface = wl_compositor_create_surface(compositor_);
    // Nothing in the input region: every click goes to what lies beneath.
    wl_region* none = wl_compositor_create_region(compositor_);
    wl_surface_set_input_region(s.surface, none);
    wl_region_destroy(none);
    s.layer = zwlr_layer_shell_v1_get_layer_surface(layerShell_, s.surface, nullptr,
                                                    ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "orvella-phrase");
    zwlr_layer_surface_v1_add_listener(s.layer, &layerListener_, this);
    zwlr_layer_surface_v1_set_size(s.layer, static_cast<uint32_t>(size.width()),
                                   static_cast<uint32_t>(size.height()));
    zwlr_layer_surface_v1_set_anchor(s.layer, anchor);
    zwlr_layer_surface_v1_set_margin(s.layer, margins.y(), 0, 0, margins.x());
    zwlr_layer_surface_v1_set_keyboard_interactivity(s.layer, 0);
    wl_surface_commit(s.surface);
    return s;
}

void LayerShellOverlay::DestroySurface(Surface& s)
{
    if (s.layer)
        zwlr_layer_surface_v1_destroy(s.layer);
    if (s.surface)
        wl_surface_destroy(s.surface);
    s = {};
}

wl_buffer* LayerShellOverlay::MakeBuffer(const QImage& picture, const QSize& size)
{
    // Qt's premultiplied ARGB32 is the compositor's ARGB8888 word for word;
    // a new memory file reads as zeros, transparent beyond the picture.
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int stride = size.width() * 4;
    const size_t bytes = static_cast<size_t>(stride) * static_cast<size_t>(size.height());
    const int fd = bytes <= INT32_MAX ? memfd_create("orvella-phrase", MFD_CLOEXEC) : -1;
    void* memory = MAP_FAILED;
    if (fd >= 0 && ftruncate(fd, static_cast<off_t>(bytes)) == 0)
        memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) {
        const int error = bytes <= INT32_MAX ? errno : ENOMEM;
        if (fd >= 0)
            close(fd);
        throw OvError("The phrase cannot be drawn: " + ErrnoText(error) + ".");
    }
    const size_t row = static_cast<size_t>(std::min(argb.width(), size.width())) * 4;
    for (int y = 0; y < std::min(argb.height(), size.height()); ++y)
        std::memcpy(static_cast<uchar*>(memory) + static_cast<size_t>(y) * stride, argb.constScanLine(y), row);
    munmap(memory, bytes);
    wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, static_cast<int32_t>(bytes));
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), stride, WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd); // the compositor holds its own
    return buffer;
}

void LayerShellOverlay::Show(const QImage& picture, const OverlayPlace& place, std::function<void()> onScreen)
{
    Hide();
    onScreen_ = std::move(onScreen);
    if (!display_ || picture.isNull()) {
        OnScreen();
        return;
    }
    // The picture is drawn scale_ times finer than the surface it fills;
    // a last part-pixel of the surface is padded out.
    scale_ = Scale();
    size_ = QSize((picture.width() + scale_ - 1) / scale_, (picture.height() + scale_ - 1) / scale_);
    buffer_ = MakeBuffer(picture, size_ * scale_);
    place_ = place;
    guard_.start();
    if (place.centred) {
        // No anchor: the compositor centres it on the output it chooses.
        flash_ = NewLayerSurface(0, size_, {});
        step_ = Step::Configuring;
    } else {
        // A surface stretched to every edge learns the room the output
        // offers; the phrase's own surface then goes to its place in it.
        probe_ = NewLayerSurface(ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                                     ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT,
                                 QSize(0, 0), {});
        step_ = Step::Probing;
    }
    Flush();
}

void LayerShellOverlay::OnConfigure(zwlr_layer_surface_v1* layer, uint32_t serial, uint32_t width,
                                    uint32_t height)
{
    if (layer == probe_.layer) {
        DestroySurface(probe_);
        const QSize area(static_cast<int>(std::min<uint32_t>(width, INT32_MAX)),
                         static_cast<int>(std::min<uint32_t>(height, INT32_MAX)));
        flash_ = NewLayerSurface(ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT, size_,
                                 OverlayMargins(place_, area, size_));
        step_ = Step::Configuring;
    } else if (layer == flash_.layer) {
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        if (step_ == Step::Configuring)
            Present();
    }
    Flush();
}

void LayerShellOverlay::Present()
{
    wl_surface* surface = flash_.surface;
    if (scale_ > 1)
        wl_surface_set_buffer_scale(surface, scale_);
    wl_surface_attach(surface, buffer_, 0, 0);
    wl_surface_damage(surface, 0, 0, size_.width(), size_.height());
    // The time on screen counts from the compositor's report that the
    // frame went out; failing that, from its call for the next frame, which
    // comes once this one is drawn.
    if (presentation_) {
        feedback_ = wp_presentation_feedback(presentation_, surface);
        wp_presentation_feedback_add_listener(feedback_, &feedbackListener_, this);
    }
    frame_ = wl_surface_frame(surface);
    wl_callback_add_listener(frame_, &frameListener_, this);
    framed_ = false;
    wl_surface_commit(surface);
    step_ = Step::Presenting;
}

void LayerShellOverlay::OnClosed(zwlr_layer_surface_v1*)
{
    // The output went away or the compositor will not show it.
    DropFlash();
    OnScreen();
}

void LayerShellOverlay::OnFeedback(bool presented)
{
    wp_presentation_feedback_destroy(feedback_);
    feedback_ = nullptr;
    presentationSeen_ = presentationSeen_ || presented;
    // Discarded: the frame callback, or the guard, starts the time.
    if (presented || framed_)
        OnScreen();
}

void LayerShellOverlay::OnFrame()
{
    wl_callback_destroy(frame_);
    frame_ = nullptr;
    framed_ = true;
    if (!feedback_ || !presentationSeen_)
        OnScreen();
}

void LayerShellOverlay::OnScreen()
{
    guard_.stop();
    if (step_ == Step::Presenting)
        step_ = Step::Shown;
    if (!onScreen_)
        return;
    std::function<void()> call = std::move(onScreen_);
    onScreen_ = nullptr;
    call();
}

void LayerShellOverlay::Hide()
{
    guard_.stop();
    onScreen_ = nullptr;
    if (!display_)
        return;
    if (flash_.surface && (step_ == Step::Presenting || step_ == Step::Shown)) {
        // Off at the compositor's next frame; taken apart after it, in order.
        wl_surface_attach(flash_.surface, nullptr, 0, 0);
        wl_surface_commit(flash_.surface);
    }
    DropFlash();
    Flush();
}

void LayerShellOverlay::DropFlash()
{
    if (feedback_)
        wp_presentation_feedback_destroy(feedback_);
    if (frame_)
        wl_callback_destroy(frame_);
    feedback_ = nullptr;
    frame_ = nullptr;
    DestroySurface(probe_);
    DestroySurface(flash_);
    if (buffer_)
        wl_buffer_destroy(buffer_);
    buffer_ = nullptr;
    step_ = Step::Idle;
}

} // namespace

SurfaceWish PlatformSurfaceWish()
{
    std::string note;
    const SurfaceWish wish = ParseSurfaceSwitch(qgetenv("ORVELLA_PHRASE_SURFACE").toStdString(), &note);
    if (!note.empty())
        Log(note);
    return wish;
}

std::unique_ptr<PhraseOverlay> PlatformOverlay(SurfaceWish wish)
{
    if (wish == SurfaceWish::XWindow)
        return nullptr;
    return std::make_unique<LayerShellOverlay>(wish);
}

} // namespace ov

#endif
