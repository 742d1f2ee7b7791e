// What blending the phrase with the screen beneath costs per flash, where
// no compositing manager runs: reading the screen under the window and
// blending the glyph pixels, against the plain picture a compositor needs.
// Run it on an X display (1920 x 1080) to include the read; offscreen only
// the blend is measured.
#include "display/blend.h"
#include "display/glyphmask.h"
#include "display/layout.h"
#include "display/ui/platformwindowsystem.h"

#include <QGuiApplication>
#include <QScreen>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<ov::WindowSystem> System;

struct Phrase {
    QRect area; // on the screen, centred
    ov::PhraseMask mask;
};

Phrase MakePhrase(const char* text, int points)
{
    QFont font("DejaVu Sans");
    font.setPointSize(points);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const ov::PhraseLayout layout = ov::LayoutPhrase(text, screen.width(), ov::FontMeasurer(font));
    Phrase p;
    p.mask = ov::BuildPhraseMask(layout, font, QColor(255, 32, 160));
    p.area = QRect(screen.width() / 2 - layout.width / 2, screen.height() / 2 - layout.height / 2, layout.width,
                   layout.height);
    return p;
}

const Phrase& OneLine()
{
    static const Phrase p = MakePhrase("I am calm and focused", 12);
    return p;
}

const Phrase& ThreeLines()
{
    static const Phrase p = MakePhrase(
        "Every day in every way I am getting better and better, calmer and more confident in all I do", 48);
    return p;
}

void Plain(benchmark::State& state, const Phrase& p)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ov::PhrasePicture(p.mask.image.size(), p.mask.region, QColor(255, 32, 160), 50));
}

void Blended(benchmark::State& state, const Phrase& p)
{
    QImage still(p.mask.image.size(), QImage::Format_RGB32);
    still.fill(Qt::white);
    for (auto _ : state) {
        const QImage beneath = System->Available() ? System->GrabScreen(p.area) : still;
        benchmark::DoNotOptimize(
            ov::PhrasePicture(p.mask.image.size(), p.mask.region, QColor(255, 32, 160), 50, beneath));
    }
}

void Grab(benchmark::State& state, const Phrase& p)
{
    if (!System->Available())
        state.SkipWithError("no X display");
    for (auto _ : state)
        benchmark::DoNotOptimize(System->Available() ? System->GrabScreen(p.area) : QImage());
}

void BM_Plain_OneLine12pt(benchmark::State& s) { Plain(s, OneLine()); }
void BM_Blended_OneLine12pt(benchmark::State& s) { Blended(s, OneLine()); }
void BM_Plain_ThreeLines48pt(benchmark::State& s) { Plain(s, ThreeLines()); }
void BM_Blended_ThreeLines48pt(benchmark::State& s) { Blended(s, ThreeLines()); }
void BM_ReadScreenOnly_ThreeLines48pt(benchmark::State& s) { Grab(s, ThreeLines()); }
BENCHMARK(BM_Plain_OneLine12pt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Blended_OneLine12pt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Plain_ThreeLines48pt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Blended_ThreeLines48pt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadScreenOnly_ThreeLines48pt)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    System = ov::PlatformWindowSystem();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    std::printf("screen %d x %d on %s; %s; one line %d x %d, three lines %d x %d pixels\n", screen.width(),
                screen.height(), qPrintable(QGuiApplication::platformName()),
                System->Available() ? "the screen beneath is read from the X server"
                                    : "a still picture stands for the screen",
                OneLine().area.width(), OneLine().area.height(), ThreeLines().area.width(),
                ThreeLines().area.height());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    System.reset();
    return 0;
}

