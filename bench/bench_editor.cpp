// The editor with a large list: loading 10 MB into it, saving it back, and
// printing 10,000 lines (the time the print handler holds the event loop).
#include "app/ui/appwindows.h"
#include "app/ui/mainwindow.h"
#include "library/ui/messagespage.h"
#include "library/listfiles.h"
#include "library/ui/print.h"
#include "platform/files.h"
#include "platform/utils.h"
#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

std::string g_root;
// The page and its controls, found once by object name outside the timed parts.
MessagesPage* g_page = nullptr;
QListWidget* g_lists = nullptr;
QPlainTextEdit* g_editor = nullptr;
QPushButton* g_save = nullptr;
QPushButton* g_print = nullptr;

std::string ListOf(size_t bytes, size_t lineLength)
{
    std::string text;
    text.reserve(bytes + lineLength);
    for (size_t i = 0; text.size() < bytes; ++i) {
        std::string line = "Phrase number " + std::to_string(i) + " ";
        line.resize(lineLength, 'x');
        text += line + "\r\n";
    }
    return text;
}

void Make(const std::string& list, const std::string& text)
{
    ov::ForceFolders(g_root + "/Affirmations/Bench");
    ov::WriteFileAtomic(g_root + "/Affirmations/Bench/" + list + ".txt", text);
}

void Select(const QString& list)
{
    g_lists->setCurrentItem(g_lists->findItems(list, Qt::MatchExactly).front());
}

void Settle() { QCoreApplication::processEvents(); } // lets the editor lay out and paint

void BM_LoadTenMegabyteList(benchmark::State& state)
{
    MessagesPage& page = *g_page;
    for (auto _ : state) {
        state.PauseTiming();
        page.LoadCategories(true); // empty editor, no selection
        Settle();
        state.ResumeTiming();
        Select("big");
        Settle();
    }
    if (page.EditorText().size() < (10u << 20)) state.SkipWithError("the list did not load");
}
BENCHMARK(BM_LoadTenMegabyteList)->Unit(benchmark::kMillisecond)->Iterations(5);

// The parts of a load: reading and converting the file, and filling the editor.
void BM_ReadTenMegabyteList(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(ov::LoadListText(g_root + "/Affirmations/Bench/big.txt"));
}
BENCHMARK(BM_ReadTenMegabyteList)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FillEditorTenMegabytes(benchmark::State& state)
{
    MessagesPage& page = *g_page;
    const QString text = ov::LoadListText(g_root + "/Affirmations/Bench/big.txt").text;
    for (auto _ : state) {
        state.PauseTiming();
        page.ClearEditor();
        Settle();
        state.ResumeTiming();
        g_editor->setPlainText(text);
        Settle();
    }
}
BENCHMARK(BM_FillEditorTenMegabytes)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveTenMegabyteList(benchmark::State& state)
{
    MessagesPage& page = *g_page;
    page.LoadCategories(true);
    Select("big");
    Settle();
    for (auto _ : state) {
        g_save->click();
        Settle();
    }
    if (ov::MessageBox::Shown().empty() || ov::MessageBox::Shown().back().text != "Messages Saved Successfully")
        state.SkipWithError("the save failed");
}
BENCHMARK(BM_SaveTenMegabyteList)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PrintTenThousandLines(benchmark::State& state)
{
    MessagesPage& page = *g_page;
    page.LoadCategories(true);
    Select("lines10k");
    Settle();
    const QString pdf = QString::fromStdString(g_root + "/out.pdf");
    ov::SetPrintDialogSeam([&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(pdf);
        return true;
    });
    for (auto _ : state) {
        g_print->click(); // the whole time the event loop waits
        Settle();
    }
    ov::SetPrintDialogSeam({});
}
BENCHMARK(BM_PrintTenThousandLines)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_root = dir.path().toStdString();
    Make("big", ListOf(10u << 20, 40));
    Make("lines10k", ListOf(10000 * 42, 40));
    ov::SetExePath(g_root + "/Orvella");
    ov::MessageBox::SetScripted(true);
    CreateWindows();
    g_page = mainWindow->findChild<MessagesPage*>();
    g_lists = mainWindow->findChild<QListWidget*>(QStringLiteral("phraseLists"));
    g_editor = mainWindow->findChild<QPlainTextEdit*>(QStringLiteral("phraseEditor"));
    g_save = mainWindow->findChild<QPushButton*>(QStringLiteral("saveMessagesButton"));
    g_print = mainWindow->findChild<QPushButton*>(QStringLiteral("printListButton"));
    if (!g_page || !g_lists || !g_editor || !g_save || !g_print) {
        std::fprintf(stderr, "the Messages page or one of its controls is missing\n");
        DestroyWindows();
        return 1;
    }
    mainWindow->show();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyWindows();
    return 0;
}
