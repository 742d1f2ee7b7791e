// Loading a large help document: the reader alone, and the reader plus the
// layout of the Help page's text box.
#include "branding/rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextDocument>
#include <QTextEdit>
#include <benchmark/benchmark.h>
#include <string>

namespace {

// About 2 MB of what word processors write: headings, formatted runs,
// Western and Cyrillic escapes, Unicode, bullet lists and small tables.
const std::string& HelpDocument()
{
    static const std::string doc = [] {
        std::string s = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Sans;}{\\f1\\fcharset204 Sans CYR;}"
                        "{\\f2\\fcharset2 Symbol;}}{\\colortbl;\\red31\\green73\\blue125;}"
                        "{\\*\\listtable{\\list{\\listlevel{\\leveltext\\'01\\u-3913 ?;}}\\listid1}}\n";
        for (int i = 0; s.size() < 2u * 1024 * 1024; ++i) {
            s += "\\pard\\sb240\\sa80\\cf1\\b\\fs28 Section " + std::to_string(i) + "\\b0\\cf0\\fs22\\par\n";
            s += "\\pard\\sa120 Orvella shows short phrases of your choice while you work. The caf\\'e9 "
                 "is open, {\\i the phrases} are {\\b yours}, \\u8364? costs nothing. {\\f1 \\'cf\\'f0\\'e8"
                 "\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0.} Phrase lists are plain text files in the folder "
                 "{\\f0 Affirmations} beside the program, one folder per category.\\par\n";
            for (int k = 0; k < 3; ++k)
                s += "{\\listtext\\pard\\plain\\f2 \\'b7\\tab}\\ls1\\li720\\fi-360 Item " + std::to_string(k)
                     + " of the list, with {\\b bold} words.\\par\n";
            if (i % 4 == 0)
                s += "\\pard\\trowd\\cellx3000\\cellx6000\\intbl Setting\\cell Meaning\\cell\\row"
                     "\\trowd\\cellx3000\\cellx6000\\intbl Interval\\cell Seconds between phrases\\cell\\row\\pard\n";
        }
        return s + "}";
    }();
    return doc;
}

void BM_LoadHelpDocument(benchmark::State& state)
{
    const std::string& data = HelpDocument();
    for (auto _ : state) {
        QTextDocument doc;
        ov::LoadRtf(data, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.counters["MB"] = double(data.size()) / (1024 * 1024);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(BM_LoadHelpDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// As the Help page does it: read into a new document, give it to the box,
// and paint the box once (what the user waits for when opening the page).
void BM_LoadIntoHelpBox(benchmark::State& state)
{
    const std::string& data = HelpDocument();
    QTextEdit box;
    box.resize(626, 339);
    for (auto _ : state) {
        auto* doc = new QTextDocument(&box);
        ov::LoadRtf(data, *doc);
        box.setDocument(doc);
        benchmark::DoNotOptimize(box.grab());
    }
}
BENCHMARK(BM_LoadIntoHelpBox)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The whole text laid out, as printing or scrolling to the end needs.
void BM_LayoutWholeDocument(benchmark::State& state)
{
    QTextDocument doc;
    ov::LoadRtf(HelpDocument(), doc);
    for (auto _ : state) {
        doc.setTextWidth(600 + double(state.iterations() % 2)); // a new width lays it out anew
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
}
BENCHMARK(BM_LayoutWholeDocument)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
