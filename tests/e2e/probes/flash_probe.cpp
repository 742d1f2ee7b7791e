// Helper of the flash end-to-end test.
//
//   flash_probe render OUT.png "PHRASE" FONT SIZE COLOUR R,G,B OPACITY
//     Lays the phrase out as the program does on this display and writes the
//     picture it must leave on the screen, in device pixels: the glyphs in
//     the font colour (COLOUR as stored in the settings file) at OPACITY (0
//     to 255) over the background R,G,B. Prints "size W H" in device pixels
//     and "ink X Y", a glyph pixel well inside a letter.
//
//   flash_probe compare REF.png SHOT.png TOLERANCE
//     Prints how many pixels differ by more than TOLERANCE in a channel.
//
//   flash_probe pixel IMAGE.png X Y
//     Prints the colour of one pixel as R,G,B.
//
//   flash_probe compositing
//     Exits with 0 when a compositing manager runs, 1 when none does.
//
//   flash_probe window R,G,B
//     Covers the screen with a plain window of that colour that takes the
//     focus and prints "press X Y" for every mouse press it receives.
//
//   flash_probe shown N
//     Waits for N whole flashes of the phrase window and prints "shown MS"
//     for each: the time from its map to its unmap notification.
#include "settings/categorysettings.h"
#include "display/blend.h"
#include "display/displayfont.h"
#include "display/glyphmask.h"
#include "display/layout.h"
#include "display/wrap.h"
#include "display/ui/platformwindowsystem.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

QColor ParseRgb(const char* text)
{
    int r = 0, g = 0, b = 0;
    std::sscanf(text, "%d,%d,%d", &r, &g, &b);
    return QColor(r, g, b);
}

int Render(char** argv)
{
    ov::CategorySettings fontSpec;
    ov::SetText(fontSpec.FontName, argv[4]);
    fontSpec.FontSize = std::stoi(argv[5]);
    fontSpec.FontColor = static_cast<int32_t>(std::stol(argv[6]));
    const QColor background = ParseRgb(argv[7]);
    const int opacity = std::stoi(argv[8]);
    const QFont font = ov::DisplayQFont(fontSpec);
    const QColor colour = ov::DisplayQColor(fontSpec, QGuiApplication::palette());
    QScreen* screen = QGuiApplication::primaryScreen();
    const ov::PhraseLayout layout =
        ov::LayoutPhrase(ov::TrimPhrase(argv[3]), screen->geometry().width(), ov::FontMeasurer(font));
    const ov::PhraseMask mask = ov::BuildPhraseMask(layout, font, colour, screen->devicePixelRatio());

    QImage beneath(mask.image.size(), QImage::Format_RGB32);
    beneath.fill(background);
    QImage out = ov::PhrasePicture(mask.image.size(), mask.region, colour, opacity, beneath);
    QPainter painter(&out);
    painter.setClipRegion(QRegion(out.rect()) - mask.region);
    painter.fillRect(out.rect(), background);
    painter.end();
    if (!out.save(QString::fromLocal8Bit(argv[2])))
        return 2;
    std::printf("size %d %d\n", out.width(), out.height());
    for (int y = 1; y + 1 < out.height(); ++y)
        for (int x = 1; x + 1 < out.width(); ++x)
            if (mask.region.intersected(QRect(x - 1, y - 1, 3, 3)) == QRegion(x - 1, y - 1, 3, 3)) {
                std::printf("ink %d %d\n", x, y);
                return 0;
            }
    return 3;
}

int Compare(char** argv)
{
    const QImage a = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(QString::fromLocal8Bit(argv[3])).convertToFormat(QImage::Format_RGB32);
    const int tolerance = std::stoi(argv[4]);
    if (a.isNull() || a.size() != b.size()) {
        std::printf("sizes differ: %dx%d against %dx%d\n", a.width(), a.height(), b.width(), b.height());
        return 2;
    }
    long differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance
                         || std::abs(qBlue(p) - qBlue(q)) > tolerance;
        }
    std::printf("%ld\n", differing);
    return 0;
}

class ClickWindow : public QWidget {
public:
    explicit ClickWindow(QColor colour) : colour_(colour) { setWindowTitle(QStringLiteral("Flash probe")); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour_); }
    void mousePressEvent(QMouseEvent* e) override
    {
        const QPoint p = e->globalPosition().toPoint();
        std::printf("press %d %d\n", p.x(), p.y());
        std::fflush(stdout);
    }

private:
    QColor colour_;
};

bool IsPhraseWindow(xcb_connection_t* c, xcb_window_t w)
{
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 16), nullptr);
    if (!r) return false;
    const std::string name(static_cast<const char*>(xcb_get_property_value(r)),
                           static_cast<size_t>(xcb_get_property_value_length(r)));
    free(r);
    return name == "Phrase";
}

// Times flashes through the root window's substructure notifications, so a
// flash is measured however briefly it shows.
int Shown(int flashes)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    using Clock = std::chrono::steady_clock;
    xcb_window_t shownWindow = XCB_WINDOW_NONE;
    Clock::time_point mappedAt;
    while (flashes > 0) {
        xcb_generic_event_t* e = xcb_wait_for_event(c);
        if (!e) return 3;
        const Clock::time_point now = Clock::now();
        const uint8_t type = e->response_type & 0x7F;
        if (type == XCB_MAP_NOTIFY) {
            auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (m->override_redirect && IsPhraseWindow(c, m->window)) {
                shownWindow = m->window;
                mappedAt = now;
            }
        } else if (type == XCB_UNMAP_NOTIFY) {
            auto* u = reinterpret_cast<xcb_unmap_notify_event_t*>(e);
            if (u->window == shownWindow) {
                const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - mappedAt).count();
                std::printf("shown %lld\n", static_cast<long long>(ms));
                std::fflush(stdout);
                shownWindow = XCB_WINDOW_NONE;
                --flashes;
            }
        }
        free(e);
    }
    xcb_disconnect(c);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "shown")
        return Shown(std::atoi(argv[2]));
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "render" && argc == 9)
        return Render(argv);
    if (mode == "compare" && argc == 5)
        return Compare(argv);
    if (mode == "pixel" && argc == 5) {
        const QImage image(QString::fromLocal8Bit(argv[2]));
        const QPoint at(std::atoi(argv[3]), std::atoi(argv[4]));
        if (!image.valid(at))
            return 2;
        const QRgb p = image.pixel(at);
        std::printf("%d,%d,%d\n", qRed(p), qGreen(p), qBlue(p));
        return 0;
    }
    if (mode == "compositing" && argc == 2) {
        const std::unique_ptr<ov::WindowSystem> system = ov::PlatformWindowSystem();
        return system->Compositing() ? 0 : 1;
    }
    if (mode == "window" && argc == 3) {
        ClickWindow window(ParseRgb(argv[2]));
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        window.showFullScreen();
        return app.exec();
    }
    std::fprintf(stderr, "usage: flash_probe render OUT.png PHRASE FONT SIZE COLOUR R,G,B OPACITY | compare REF SHOT "
                         "TOLERANCE | pixel IMAGE X Y | compositing | window R,G,B | shown N\n");
    return 1;
}
