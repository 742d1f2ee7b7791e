#pragma once
#include "display/layout.h"
#include "display/overlay.h"
#include "display/phraseroute.h"
#include "display/windowsystem.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>

// The phrase window: borderless, top-most, never activated, without a
// taskbar entry and transparent to the mouse. The phrase is its shape; its
// picture is the font colour at the contrast in each pixel's alpha where a
// compositing manager or Xwayland composes the screen, or else the font
// colour already blended with what lies beneath. Where the Wayland
// compositor offers a layer shell, the phrase goes to a surface of its own.
class PhraseWindow : public QWidget {
    Q_OBJECT
public:
    PhraseWindow();
    ~PhraseWindow() override;

    // Moves the window. A place other than the display's top-left corner
    // snaps to the edges of the work area when it comes within 50 pixels;
    // the display is the given one, or else the one holding the window.
    void MoveTo(int x, int y, const ov::ScreenArea* area = nullptr);

    // Cuts the window to the glyphs of the laid-out phrase, gives it the
    // colour at the given contrast (0 to 255) and shows it on top without
    // taking the focus. onScreen is called once the window system has put
    // it on the screen, which is when its time there starts, or at once
    // when the phrase leaves no mark and the window stays hidden.
    void Present(const ov::PhraseLayout& layout, const QFont& font, const QColor& colour, int contrast,
                 std::function<void()> onScreen);

    // When the phrase shown last went up: when the window system's
    // confirmation of the map arrived, else when the toolkit showed it.
    std::chrono::steady_clock::time_point ShownSince() const { return shownSince_; }

    // Takes the phrase off the screen.
    void Withdraw();
    // What takes the shown phrase off the screen from any thread, ahead of
    // Withdraw, which must still follow; empty where only Withdraw can.
    std::function<void()> Unmapper();

    QColor Colour() const { return colour_; }
    // True while the picture carries the contrast itself, blended with the
    // screen beneath, because no compositing manager runs.
    bool Blended() const { return blended_; }
    // True while the window has per-pixel alpha and its picture carries
    // the contrast in it.
    bool Translucent() const { return testAttribute(Qt::WA_TranslucentBackground); }
    const QImage& Picture() const { return picture_; }
    // False where the toolkit's pointer position is stale: on Xwayland it
    // moves only over X windows.
    bool PointerKnown() const { return !system_->Xwayland(); }

    // For tests: the window system's services (null: none, Qt alone).
    void SetWindowSystem(std::unique_ptr<ov::WindowSystem> system);

    // Where the compositor shows phrases on a surface of its own, they go
    // there instead (for tests: another overlay, or none). Centred ones are
    // left to the compositor to centre.
    void SetOverlay(std::unique_ptr<ov::PhraseOverlay> overlay) { overlay_ = std::move(overlay); }
    void SetOverlayCentred(bool centred) { overlayCentred_ = centred; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect DeviceGeometry(qreal ratio) const;
    // Where the next phrase goes; the compositor's layer shell is looked
    // for (and connected to, the first time) only when overlay is true.
    ov::PhraseRoute Route(bool overlay);
    void PresentOnOverlay(const ov::PhraseLayout& layout, const QFont& font);
    bool PresentNative(ov::PhraseRoute route, const ov::PhraseLayout& layout, const QFont& font);
    void PresentPlain(const ov::PhraseLayout& layout, const QFont& font);
    void UseTranslucency(bool translucent);
    void OnScreen(std::chrono::steady_clock::time_point since = std::chrono::steady_clock::now());

    std::shared_ptr<ov::WindowSystem> system_; // shared with an unmapper on the timer's thread
    ov::SurfaceWish wish_ = ov::SurfaceWish::Auto;
    std::unique_ptr<ov::PhraseOverlay> overlay_;
    bool overlayCentred_ = false;
    std::function<void()> onScreen_;
    QTimer mapGuard_;
    QImage picture_;
    std::chrono::steady_clock::time_point shownSince_;
    QColor colour_ = Qt::black;
    int contrast_ = 255;
    bool blended_ = false;
};
