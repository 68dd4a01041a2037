// The conversion in-process: a realistic 3000-line old file end to end, and the trigger entry
// rewrite alone.

#include "converter/Conversion.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const Text TriggerEntry =
    "Trigger=(Text=\"nice shot\",SoundFilename=MorvoSounds.NiceShot,Volume=2,Delay=1,Random=0,Team=0)";

// A file with every section the conversion reads, 3000 lines in all (the most it looks at).
Text RealisticOldFile()
{
    Text file = "[MorvoConfigs]\r\nMorvoPass=fridaynight\r\nbMorvo=True\r\nSoundDelay=4\r\nDedicated=False\r\n\r\n";
    int lines = 6;
    const auto section = [&](const char* header, int entries, const auto& entry) {
        file += header;
        file += "\r\n";
        for (int index = 0; index < entries; ++index)
            file += entry(index) + "\r\n";
        file += "\r\n";
        lines += entries + 2;
    };
    section("[Morvo53.MPlayerList]", 200, [](int i) { return "Player=(Name=\"Player" + std::to_string(i) + "\",Level=1)"; });
    section("[Morvo53.MPlayerBan]", 100, [](int i) { return "Ban=(Name=\"Banned" + std::to_string(i) + "\",IP=\"10.0.0.1\")"; });
    section("[Morvo53.MorvoFilter]", 100, [](int i) { return "Filter=(Word=\"word" + std::to_string(i) + "\",Replace=\"***\")"; });
    section("[Morvo53.MTriggers]", 3000 - lines - 2, [](int i) {
        return "Trigger=(Text=\"line " + std::to_string(i) + "\",SoundFilename=MorvoSounds.S" + std::to_string(i % 97)
               + ",Volume=2,Delay=0,Random=1,Team=0)";
    });
    return file;
}

// A folder of its own holding the old file as Morvo53.ini, removed afterwards.
class TBenchFolder {
public:
    explicit TBenchFolder(const Text& oldFile)
        : FPath(std::filesystem::temp_directory_path() / ("morvo-bench-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(FPath);
        std::ofstream(FPath / "Morvo53.ini", std::ios::binary) << oldFile;
    }
    ~TBenchFolder() { std::filesystem::remove_all(FPath); }
    Text OldFilePath() const { return (FPath / "Morvo53.ini").string(); }

private:
    std::filesystem::path FPath;
};

void ReportPerEntry(benchmark::State& state, std::size_t entries, std::size_t bytes)
{
    const auto iterations = static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(bytes * state.iterations()));
    // Seconds per entry, which the report shows with its unit prefix ("35n" is 35 ns).
    state.counters["time_per_entry"] = benchmark::Counter(
        static_cast<double>(entries) * iterations, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ConvertTriggerLine(benchmark::State& state)
{
    const Text dedicatedField = "DedicatedOnly=False,";
    for (auto _ : state)
        benchmark::DoNotOptimize(ConvertTriggerLine(TriggerEntry, dedicatedField));
    ReportPerEntry(state, 1, TriggerEntry.size());
}
BENCHMARK(BM_ConvertTriggerLine);

// One conversion of a realistic old file, again and again, through the given step: the whole run
// (load, settings, list sections and the atomic save of "Morvo54.ini") or the build alone, which
// is what the window waits for before it shows the new lines.
template <class TStep>
void BM_Conversion(benchmark::State& state, TStep step)
{
    const Text oldFile = RealisticOldFile();
    const TBenchFolder folder(oldFile);
    TLineList input, output;
    Text sourceDir, dedicatedField;
    for (auto _ : state)
        benchmark::DoNotOptimize(step(folder.OldFilePath(), input, output, sourceDir, dedicatedField));
    ReportPerEntry(state, 3000, oldFile.size());
}
BENCHMARK_CAPTURE(BM_Conversion, RunConversion, &RunConversion)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Conversion, BuildConversion, &BuildConversion)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
