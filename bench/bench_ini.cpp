// Writing one key into a large settings file: read, edit, atomic replace.
#include "settings/inifile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// 10,000 lines: 500 sections of a header, 18 keys and a blank line.
std::string LargeSettingsText()
{
    std::string text;
    for (int s = 0; s < 500; ++s) {
        text += "[Category " + std::to_string(s) + "-Settings]\n";
        for (int k = 0; k < 18; ++k) text += "Key" + std::to_string(k) + "=" + std::to_string(s * 100 + k) + "\n";
        text += "\n";
    }
    return text;
}

class TempFile {
public:
    TempFile()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "ov-bench-XXXXXX").string();
        if (mkdtemp(tmpl.data())) folder_ = tmpl;
        path_ = folder_ + "/Orvella.ini";
    }
    ~TempFile() { std::filesystem::remove_all(folder_); }
    const std::string& Path() const { return path_; }

private:
    std::string folder_, path_;
};

void BM_IniFileWriteOneKey(benchmark::State& state)
{
    TempFile file;
    ov::IniFile ini(file.Path());
    ini.Update([](ov::IniDoc& d) { d = ov::IniDoc(LargeSettingsText()); });
    int value = 0;
    for (auto _ : state) {
        // A key in the middle of the file, a new value each time so every
        // round really writes.
        ini.WriteInteger("Category 250-Settings", "Key9", ++value);
    }
    state.counters["lines"] = 10000;
}
BENCHMARK(BM_IniFileWriteOneKey)->Unit(benchmark::kMillisecond);

void BM_IniDocEditOneKey(benchmark::State& state)
{
    ov::IniDoc doc(LargeSettingsText());
    int value = 0;
    for (auto _ : state) {
        doc.WriteInteger("Category 499-Settings", "Key17", ++value);
        benchmark::DoNotOptimize(doc.Text().data());
    }
}
BENCHMARK(BM_IniDocEditOneKey)->Unit(benchmark::kMicrosecond);

void BM_IniFileReadOneKey(benchmark::State& state)
{
    TempFile file;
    ov::IniFile ini(file.Path());
    ini.Update([](ov::IniDoc& d) { d = ov::IniDoc(LargeSettingsText()); });
    for (auto _ : state) benchmark::DoNotOptimize(ini.ReadInteger("Category 499-Settings", "Key17", 0));
}
BENCHMARK(BM_IniFileReadOneKey)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
