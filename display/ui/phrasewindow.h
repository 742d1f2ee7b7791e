#pragma once
#include "display/layout.h"
#include "display/overlay.h"
#include "display/windowsystem.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

// The phrase window: borderless, top-most, never activated, without a
// taskbar entry and transparent to the mouse. The phrase is its shape; its
// picture is the font colour, or, where no compositing manager makes the
// window translucent, the font colour already blended with what lies
// beneath.
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
    // colour at the given opacity (0 to 255) and shows it on top without
    // taking the focus. onScreen is called once the window system has put
    // it on the screen, which is when its time there starts, or at once
    // when the phrase leaves no mark and the window stays hidden.
    void Present(const ov::PhraseLayout& layout, const QFont& font, const QColor& colour, int opacity,
                 std::function<void()> onScreen);

    // Takes the phrase off the screen.
    void Withdraw();

    QColor Colour() const { return colour_; }
    int Opacity() const { return opacity_; }
    // True while the picture carries the opacity itself, blended with the
    // screen beneath, because no compositing manager runs.
    bool Blended() const { return blended_; }
    const QImage& Picture() const { return picture_; }

    // For tests: the window system's services (none: Qt alone).
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
    bool PresentNative(const ov::PhraseLayout& layout, const QFont& font);
    void OnScreen();

    std::unique_ptr<ov::WindowSystem> system_;
    std::unique_ptr<ov::PhraseOverlay> overlay_;
    bool overlayCentred_ = false;
    std::function<void()> onScreen_;
    QTimer mapGuard_;
    QImage picture_;
    QColor colour_ = Qt::black;
    int opacity_ = 255;
    bool blended_ = false;
};
