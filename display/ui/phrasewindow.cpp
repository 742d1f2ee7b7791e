#include "display/ui/phrasewindow.h"

#include "display/blend.h"
#include "display/glyphmask.h"
#include "display/phraseroute.h"
#include "display/ui/platformwindowsystem.h"
#include "display/wayland/layershell.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace {
// A window system that says nothing of the map within this time is not
// going to: the display time then counts from the show.
constexpr int MapWaitMs = 500;
} // namespace

// A tool tip window is one the window manager leaves alone on X11 (override
// redirect): it is never focused, never decorated and listed nowhere, and it
// lies above the managed windows when it is mapped.
PhraseWindow::PhraseWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput
                           | Qt::X11BypassWindowManagerHint)
{
    setObjectName(QStringLiteral("phraseWindow"));
    setWindowTitle(QStringLiteral("Phrase"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(tr("Phrase"));
    resize(226, 68);
    setWindowOpacity(1.0);
    mapGuard_.setSingleShot(true);
    mapGuard_.setInterval(MapWaitMs);
    connect(&mapGuard_, &QTimer::timeout, this, [this] { OnScreen(); });
    system_ = ov::PlatformWindowSystem();
    wish_ = ov::PlatformSurfaceWish();
    overlay_ = ov::PlatformOverlay(wish_);
    // The X window is made now, of the kind the screen wants today, so the
    // first phrase does not wait for it. The compositor is asked for its
    // layer shell only by the first phrase: a slow one holds up no start.
    if (const ov::PhraseRoute route = Route(false); route != ov::PhraseRoute::PlainWindow) {
        UseTranslucency(route == ov::PhraseRoute::TranslucentWindow);
        winId();
    }
}

PhraseWindow::~PhraseWindow() = default;

void PhraseWindow::SetWindowSystem(std::unique_ptr<ov::WindowSystem> system)
{
    if (system)
        system_ = std::move(system);
    else
        system_ = std::make_shared<ov::NoWindowSystem>();
}

ov::PhraseRoute PhraseWindow::Route(bool overlay)
{
    const bool layerShell = overlay && overlay_ && overlay_->Open();
    return ov::ChoosePhraseRoute(overlay ? wish_ : ov::SurfaceWish::XWindow, layerShell, *system_);
}

void PhraseWindow::MoveTo(int x, int y, const ov::ScreenArea* area)
{
    QPoint pos(x, y);
    const QSize size = this->size();
    if (area) {
        pos = ov::SnapToWorkArea(pos, size, area->geometry, area->workArea);
    } else {
        QScreen* screen = QGuiApplication::screenAt(QRect(pos, size).center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            pos = ov::SnapToWorkArea(pos, size, screen->geometry(), screen->availableGeometry());
    }
    move(pos);
}

QRect PhraseWindow::DeviceGeometry(qreal ratio) const
{
    // A screen's top-left corner is the same in logical and device pixels;
    // what lies beyond it is scaled.
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen)
        screen = this->screen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QPoint offset = pos() - origin;
    return QRect(origin + QPoint(qRound(offset.x() * ratio), qRound(offset.y() * ratio)),
                 ov::DeviceSize(size(), ratio));
}

void PhraseWindow::Present(const ov::PhraseLayout& layout, const QFont& font, const QColor& colour, int contrast,
                           std::function<void()> onScreen)
{
    colour_ = colour;
    contrast_ = std::clamp(contrast, 0, 255);
    onScreen_ = std::move(onScreen);
    blended_ = false;
    const ov::PhraseRoute route = Route(true);
    switch (route) {
    case ov::PhraseRoute::LayerSurface:
        PresentOnOverlay(layout, font);
        return;
    case ov::PhraseRoute::Nowhere:
        // Nothing to see: the time on screen starts (and ends) now.
        hide();
        OnScreen();
        return;
    case ov::PhraseRoute::TranslucentWindow:
    case ov::PhraseRoute::BlendedWindow:
        if (PresentNative(route, layout, font))
            return;
        break; // the window system cannot take it: Qt alone
    case ov::PhraseRoute::PlainWindow:
        break;
    }
    PresentPlain(layout, font);
}

void PhraseWindow::PresentOnOverlay(const ov::PhraseLayout& layout, const QFont& font)
{
    hide();
    QScreen* screen = QGuiApplication::screenAt(geometry().center());
    const QRect area = screen ? screen->geometry() : this->screen()->geometry();
    ov::ShowOnOverlay(*overlay_, layout, font, colour_, contrast_,
                      {devicePixelRatioF(), area, geometry(), overlayCentred_}, [this] { OnScreen(); });
}

void PhraseWindow::PresentPlain(const ov::PhraseLayout& layout, const QFont& font)
{
    // Qt alone: the shape in logical pixels, the contrast left to the
    // desktop as the window opacity.
    const ov::PhraseMask mask = ov::BuildPhraseMask(layout, font, colour_);
    picture_ = mask.image; // colour glyphs keep their colours
    if (mask.region.isEmpty()) {
        hide();
    } else {
        setMask(mask.region);
        setWindowOpacity(contrast_ / 255.0);
        show();
        raise(); // a mapped window keeps its old place in the stack otherwise
        update();
    }
    OnScreen();
}

bool PhraseWindow::PresentNative(ov::PhraseRoute route, const ov::PhraseLayout& layout, const QFont& font)
{
    // Glyphs at the screen's own resolution, so a scaled desktop gets
    // letters as sharp as its other text, shaped pixel for pixel.
    const qreal ratio = devicePixelRatioF();
    const ov::PhraseMask mask = ov::BuildPhraseMask(layout, font, colour_, ratio);
    if (mask.region.isEmpty()) {
        hide();
        OnScreen();
        return true;
    }
    // A window shown now keeps its kind until it is hidden; a hidden one
    // takes the kind the screen composes today (a compositing manager may
    // have come or gone since the last phrase).
    if (!isVisible())
        UseTranslucency(route == ov::PhraseRoute::TranslucentWindow);
    QImage picture;
    if (Translucent()) {
        picture = ov::TranslucentPicture(ov::PhrasePicture(mask.image, mask.region, 255),
                                         mask.region, contrast_);
    } else {
        // Nobody composes the screen, so a window opacity would mean nothing:
        // the picture takes the blend with what is on the screen beneath,
        // read now, just before the window covers it. Where it cannot be
        // read, the opacity property is the best left to try.
        const QImage beneath = system_->GrabScreen(DeviceGeometry(ratio));
        picture = ov::PhrasePicture(mask.image, mask.region, contrast_, beneath);
        blended_ = !beneath.isNull();
    }
    picture.setDevicePixelRatio(ratio);
    if (!QWidget::mask().isEmpty())
        clearMask(); // left by an earlier show through Qt alone
    if (!system_->Prepare(winId(), mask.region, picture)) {
        blended_ = false;
        return false;
    }
    picture_ = picture;
    // Per-pixel alpha or a blended picture carry the contrast already.
    setWindowOpacity(Translucent() || blended_ ? 1.0 : contrast_ / 255.0);

    if (isVisible()) {
        raise();
        update();
        OnScreen();
        return true;
    }
    // A hidden widget's moves and resizes wait for its show; the native
    // window must have them before it goes up.
    if (QWindow* window = windowHandle(); window && window->geometry() != geometry())
        window->setGeometry(geometry());
    // The server's word that the window is mapped starts the display time:
    // the answer to a question asked right behind our own map request (the
    // toolkit's show comes after it, maps nothing more, and its millisecond
    // of work is not counted); failing that, its map notification; failing
    // both, a while later. Raised before it is mapped and painted after the
    // time has started, so nothing between the map and the confirmation
    // keeps the phrase up longer.
    const bool watching = system_->WatchMap(winId(), [this] { OnScreen(); });
    mapGuard_.start();
    raise();
    std::chrono::steady_clock::time_point confirmed;
    if (system_->Map(winId(), confirmed)) {
        if (watching)
            system_->WatchMap(winId(), nullptr);
        OnScreen(confirmed);
    }
    show();
    update();
    return true;
}

void PhraseWindow::UseTranslucency(bool translucent)
{
    if (Translucent() == translucent)
        return;
    // The X server fixes a window's visual when it is made: a window of the
    // other kind replaces the native one (the widget, its place and its
    // flags stay).
    const bool created = testAttribute(Qt::WA_WState_Created);
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    if (created) {
        destroy();
        winId();
    }
}

void PhraseWindow::Withdraw()
{
    if (overlay_)
        overlay_->Hide();
    // Straight to the server: the toolkit's hide does a fraction of a
    // millisecond of work before its own unmap leaves.
    if (isVisible())
        system_->Unmap(winId());
    hide();
}

std::function<void()> PhraseWindow::Unmapper()
{
    if (!system_->Available() || !testAttribute(Qt::WA_WState_Created))
        return {};
    return [system = system_, window = winId()] { system->Unmap(window); };
}

void PhraseWindow::OnScreen(std::chrono::steady_clock::time_point since)
{
    shownSince_ = since;
    mapGuard_.stop();
    if (!onScreen_)
        return;
    std::function<void()> call = std::move(onScreen_);
    onScreen_ = nullptr;
    call();
}

void PhraseWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (picture_.isNull())
        painter.fillRect(rect(), colour_);
    else
        painter.drawImage(0, 0, picture_);
}
