// Region building from a drawn phrase: the scan-line builder against the
// pixel-by-pixel yardstick on the same image.
#include "display/glyphmask.h"
#include "display/layout.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

QImage PhraseImage()
{
    QFont font("DejaVu Sans");
    font.setPointSize(48);
    const ov::PhraseLayout layout = ov::LayoutPhrase(
        "Every day I grow calmer, stronger and more confident in all that I do and say", 1920,
        ov::FontMeasurer(font));
    return ov::BuildPhraseMask(layout, font, QColor(20, 40, 160)).image;
}

const QImage& Image()
{
    static const QImage image = PhraseImage();
    return image;
}

void BM_RegionFromBitmap(benchmark::State& state)
{
    const QImage& image = Image();
    for (auto _ : state)
        benchmark::DoNotOptimize(ov::RegionFromBitmap(image, image.pixel(0, 0)));
}
BENCHMARK(BM_RegionFromBitmap)->Unit(benchmark::kMicrosecond);

void BM_RegionFromBitmapReference(benchmark::State& state)
{
    const QImage& image = Image();
    for (auto _ : state)
        benchmark::DoNotOptimize(ov::RegionFromBitmapReference(image, image.pixel(0, 0)));
}
BENCHMARK(BM_RegionFromBitmapReference)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's CPU time per iteration (steadier than wall time on
// a busy machine) so the speed-up can be printed.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const QImage& image = Image();
    const QRegion fast = ov::RegionFromBitmap(image, image.pixel(0, 0));
    const QRegion reference = ov::RegionFromBitmapReference(image, image.pixel(0, 0));
    const bool same = fast.xored(reference).isEmpty();
    std::printf("phrase image %d x %d, region of %d rectangles (reference: %d), same region: %s\n", image.width(),
                image.height(), fast.rectCount(), reference.rectCount(), same ? "yes" : "NO");

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double a = reporter.times["BM_RegionFromBitmap"];
    const double b = reporter.times["BM_RegionFromBitmapReference"];
    if (a > 0 && b > 0)
        std::printf("CPU time: scan lines %.1f us, pixel by pixel %.1f us, %.1f times faster\n", a, b, b / a);
    benchmark::Shutdown();
    return same ? 0 : 1;
}
