// The whole display tick through the real windows: from the timer's tick to
// the phrase window shown and the hide timer armed, then hidden again.
// Offscreen on a 1920 x 1080 screen by default; run it with
// QT_QPA_PLATFORM=xcb on an X display to include the window system's part.
// After the benchmarks it prints the resident memory before and after
// 1,000 and 5,000 flashes.
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "platform/intervaltimer.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string OneLine = "I am calm and focused ";
const std::string ThreeLines =
    "  Every day in every way I am getting better and better, calmer and more confident in all I do\t";

fs::path Folder;
// Found once per start, outside the timed region.
ov::IntervalTimer* DisplayTimer = nullptr;
ov::IntervalTimer* HideTimer = nullptr;

void WriteFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A program folder with one ticked list holding the phrase, shown centred
// in 'points' DejaVu Sans.
void StartProgram(const std::string& phrase, int points)
{
    if (mainWindow)
        return;
    WriteFile(Folder / "Affirmations/Bench/List.txt", phrase + "\r\n");
    WriteFile(Folder / "Orvella.ini", "[General]\r\nGroupIndex=0\r\n[Bench-Settings]\r\nFontName=DejaVu Sans\r\nSize="
                                          + std::to_string(points)
                                          + "\r\nTextColor=8388608\r\nDisplayTime=25\r\nDisplayFreq=1\r\n"
                                            "Opacity=50\r\nPosition=0\r\n[Bench-Affirmations]\r\n0=List:True\r\n");
    CreateWindows();
    mainWindow->hide();
    DisplayTimer = mainWindow->findChild<ov::IntervalTimer*>(QStringLiteral("displayTimer"));
    HideTimer = mainWindow->findChild<ov::IntervalTimer*>(QStringLiteral("hideTimer"));
}

void StopProgram()
{
    DestroyWindows();
    DisplayTimer = HideTimer = nullptr;
}

void Flash(benchmark::State& state, const std::string& phrase, int points)
{
    static std::string current;
    if (current != phrase) {
        StopProgram();
        current = phrase;
    }
    StartProgram(phrase, points);
    for (auto _ : state) {
        DisplayTimer->Fire();
        state.PauseTiming();
        if (!HideTimer->Enabled())
            state.SkipWithError("the tick showed no phrase");
        HideTimer->Fire();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_TickToShown_OneLine12pt(benchmark::State& state) { Flash(state, OneLine, 12); }
BENCHMARK(BM_TickToShown_OneLine12pt)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_TickToShown_ThreeLines48pt(benchmark::State& state) { Flash(state, ThreeLines, 48); }
BENCHMARK(BM_TickToShown_ThreeLines48pt)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

void MemoryOverFlashes()
{
    StopProgram();
    StartProgram(ThreeLines, 48);
    QCoreApplication::processEvents();
    std::printf("resident memory: %ld KiB with the windows created", ResidentKiB());
    int done = 0;
    for (const int upTo : {1000, 5000}) {
        for (; done < upTo; ++done) {
            DisplayTimer->Fire();
            QCoreApplication::processEvents();
            HideTimer->Fire();
            QCoreApplication::processEvents();
        }
        std::printf(", %ld KiB after %d flashes", ResidentKiB(), done);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    // A fixed 1920 x 1080 offscreen screen unless a platform was chosen.
    char configTemplate[] = "/tmp/orvella-bench-XXXXXX";
    Folder = mkdtemp(configTemplate);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        WriteFile(Folder / "screen.json", R"({"screens":[{"name":"Bench","x":0,"y":0,"width":1920,"height":1080,)"
                                          R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + (Folder / "screen.json").string()).c_str());
    }
    QApplication app(argc, argv);
    // The offscreen platform warns about every mask and raise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    ov::SetExePath((Folder / "Orvella").string());
    ov::MessageBox::SetScripted(true);
    std::printf("screen %d x %d on %s\n", QGuiApplication::primaryScreen()->geometry().width(),
                QGuiApplication::primaryScreen()->geometry().height(), qPrintable(QGuiApplication::platformName()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    MemoryOverFlashes();
    StopProgram();
    fs::remove_all(Folder);
    return 0;
}
