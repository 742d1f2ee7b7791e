// Building the phrase pool from 1,000 ticked lists of 1,000 lines each
// (about 40 MB), and the memory the pool holds afterwards.
#include "library/phrasepool.h"
#include "platform/files.h"
#include "platform/utils.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

struct Library {
    std::string dir;
    std::vector<std::string> lists;
    size_t bytes = 0;

    Library()
    {
        dir = (std::filesystem::temp_directory_path() / "orvella-bench-pool").string();
        std::filesystem::remove_all(dir);
        ov::SetExePath(dir + "/Orvella");
        const std::string cat = dir + "/Affirmations/Big";
        std::filesystem::create_directories(cat);
        for (int l = 0; l < 1000; ++l) {
            std::string text;
            for (int i = 0; i < 1000; ++i)
                text += "Phrase number " + std::to_string(i) + " of list " + std::to_string(l) + " here\r\n";
            const std::string name = "list" + std::to_string(l);
            ov::WriteFileAtomic(cat + "/" + name + ".txt", text);
            lists.push_back(name);
            bytes += text.size();
        }
    }
    ~Library() { std::filesystem::remove_all(dir); }
};

Library& Lib()
{
    static Library lib;
    return lib;
}

long PeakRssKb()
{
    rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

void BM_BuildPhrasePool(benchmark::State& state)
{
    Library& lib = Lib();
    ov::PhrasePool pool;
    for (auto _ : state) {
        ov::BuildPhrasePool("Big", lib.lists, pool);
        benchmark::DoNotOptimize(pool.Count());
    }
    state.counters["phrases"] = double(pool.Count());
    state.counters["list_MB"] = double(lib.bytes) / 1e6;
}
BENCHMARK(BM_BuildPhrasePool)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    Library& lib = Lib();
    const long before = PeakRssKb();
    {
        ov::PhrasePool pool;
        ov::BuildPhrasePool("Big", lib.lists, pool);
        const long after = PeakRssKb();
        std::printf("lists: %.1f MB; pool: %zu phrases; peak memory growth while building: %.1f MB (%.2f x the lists)\n",
                    double(lib.bytes) / 1e6, pool.Count(), double(after - before) / 1024.0,
                    double(after - before) * 1024.0 / double(lib.bytes));
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
