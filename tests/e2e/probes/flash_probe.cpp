// Helper of the flash end-to-end test.
//
//   flash_probe render OUT.png "PHRASE" FONT SIZE COLOUR R,G,B
//     Lays the phrase out as the program does on this display and writes the
//     picture it must leave on the screen: the glyphs in the font colour
//     (COLOUR as stored in the settings file) over the background R,G,B.
//     Prints "size W H" and "ink X Y", a glyph pixel well inside a letter.
//
//   flash_probe window R,G,B
//     Covers the screen with a plain window of that colour that takes the
//     focus and prints "press X Y" for every mouse press it receives.
#include "app/ovShared.h"
#include "display/ovDisplayFont.h"
#include "display/ovGlyphMask.h"
#include "display/ovLayout.h"
#include "display/ovWrap.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <string>

namespace {

QColor ParseRgb(const char* text)
{
    int r = 0, g = 0, b = 0;
    std::sscanf(text, "%d,%d,%d", &r, &g, &b);
    return QColor(r, g, b);
}

int Render(char** argv)
{
    ov::DisplayFontSpec fontSpec;
    fontSpec.SetName(argv[4]);
    fontSpec.Size = std::stoi(argv[5]);
    fontSpec.Color = static_cast<int32_t>(std::stol(argv[6]));
    const QColor background = ParseRgb(argv[7]);
    const QFont font = ov::DisplayQFont(fontSpec);
    const QColor colour = ov::DisplayQColor(fontSpec, QGuiApplication::palette());
    const ov::PhraseLayout layout = ov::LayoutPhrase(
        ov::TrimPhrase(argv[3]), QGuiApplication::primaryScreen()->geometry().width(), ov::FontMeasurer(font));
    const ov::PhraseMask mask = ov::BuildPhraseMask(layout, font, colour);

    QImage out(mask.image.size(), QImage::Format_RGB32);
    out.fill(background);
    QPainter painter(&out);
    painter.setClipRegion(mask.region);
    painter.fillRect(out.rect(), colour);
    painter.end();
    if (!out.save(QString::fromLocal8Bit(argv[2])))
        return 2;
    std::printf("size %d %d\n", layout.width, layout.height);
    for (int y = 1; y + 1 < layout.height; ++y)
        for (int x = 1; x + 1 < layout.width; ++x)
            if (mask.region.intersected(QRect(x - 1, y - 1, 3, 3)) == QRegion(x - 1, y - 1, 3, 3)) {
                std::printf("ink %d %d\n", x, y);
                return 0;
            }
    return 3;
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

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "render" && argc == 8)
        return Render(argv);
    if (mode == "window" && argc == 3) {
        ClickWindow window(ParseRgb(argv[2]));
        window.setGeometry(QGuiApplication::primaryScreen()->geometry());
        window.showFullScreen();
        return app.exec();
    }
    std::fprintf(stderr, "usage: flash_probe render OUT.png PHRASE FONT SIZE COLOUR R,G,B | window R,G,B\n");
    return 1;
}
