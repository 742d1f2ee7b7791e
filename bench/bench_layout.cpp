// One display tick's work from the phrase to the mask ready to show:
// trim, measure and wrap, place, draw and build the region.
#include "display/glyphmask.h"
#include "display/layout.h"
#include "display/wrap.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QRect Screen(0, 0, 1920, 1080);

ov::PhraseMask Tick(const std::string& phrase, const QFont& font, ov::PlacementRandom& random)
{
    const std::string text = ov::TrimPhrase(phrase);
    const ov::PhraseLayout layout = ov::LayoutPhrase(text, Screen.width(), ov::FontMeasurer(font));
    benchmark::DoNotOptimize(
        ov::ChoosePosition(ov::LocationRandom, Screen, QSize(layout.width, layout.height), random));
    return ov::BuildPhraseMask(layout, font, QColor(0, 0, 128));
}

QFont Font(int points)
{
    QFont font("DejaVu Sans");
    font.setPointSize(points);
    return font;
}

const std::string OneLine = "I am calm and focused ";
const std::string ThreeLines =
    "  Every day in every way I am getting better and better, calmer and more confident in all I do\t";

void BM_OneLine12pt(benchmark::State& state)
{
    const QFont font = Font(12);
    ov::PlacementRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Tick(OneLine, font, random));
}
BENCHMARK(BM_OneLine12pt)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_ThreeLines48pt(benchmark::State& state)
{
    const QFont font = Font(48);
    ov::PlacementRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Tick(ThreeLines, font, random));
}
BENCHMARK(BM_ThreeLines48pt)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// 130 Chinese characters without a space: three lines by Unicode breaks.
std::string Chinese()
{
    std::string s;
    for (int i = 0; i < 10; ++i)
        s += "\xE6\x88\x91\xE6\xAF\x8F\xE5\xA4\xA9\xE9\x83\xBD\xE5\x9C\xA8\xE5\x8F\x98\xE5\xBE\x97"
             "\xE6\x9B\xB4\xE5\xA5\xBD\xE6\x9B\xB4\xE5\xBC\xBA\xE5\xA4\xA7\xEF\xBC\x8C";
    return s;
}

void BM_Chinese28pt(benchmark::State& state)
{
    const QFont font = Font(28);
    const std::string phrase = Chinese();
    ov::PlacementRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Tick(phrase, font, random));
}
BENCHMARK(BM_Chinese28pt)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void Describe(const char* name, const std::string& phrase, const QFont& font)
{
    const ov::PhraseLayout layout =
        ov::LayoutPhrase(ov::TrimPhrase(phrase), Screen.width(), ov::FontMeasurer(font));
    std::printf("%s: %zu line(s), window %d x %d\n", name, ov::PhraseLines(layout.text).size(), layout.width,
                layout.height);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Describe("one line, 12 pt", OneLine, Font(12));
    Describe("three lines, 48 pt", ThreeLines, Font(48));
    Describe("130 Chinese characters, 28 pt", Chinese(), Font(28));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
