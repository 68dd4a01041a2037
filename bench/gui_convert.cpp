// Convert through the window against the command-line tool, on the same 3000-line old file, in the
// same run. The window's Convert is the whole command as a person starts it: the click, the file
// chosen in place of the person, the conversion, the lines on view in the memo and the message
// answered at once. Target: at most 1.5 times the command-line tool's time (a process of its own,
// started and waited for). The program fails when the window misses it.
#include "components/QovMesg.h"
#include "converter/MConMain.h"
#include "vcl/TApplication.h"
#include "vcl/WinApi.h"
#include "vcl/WindowHarness.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int OldFileLines = 3000;
constexpr double Target = 1.5;

// An old file of OldFileLines lines in a folder of its own: settings, lists, and triggers for the
// rest.
class TOldFile {
public:
    TOldFile() : FFolder(std::filesystem::temp_directory_path() / ("morvo-bench-" + std::to_string(getpid())) / "Morvo53")
    {
        std::filesystem::create_directories(FFolder);
        std::ofstream file(Path(), std::ios::binary);
        int lines = 0;
        auto line = [&](const std::string& text) { file << text << "\r\n"; ++lines; };
        line("[MorvoConfigs]");
        line("MorvoPass=letmein");
        line("SoundDelay=7");
        line("Dedicated=False");
        line("[Morvo53.MPlayerList]");
        for (int i = 0; i < 200; ++i)
            line("Player=(Name=\"Player" + std::to_string(i) + "\",Level=1)");
        line("[Morvo53.MTriggers]");
        for (int i = 0; lines < OldFileLines; ++i)
            line("Trigger=(Text=\"say " + std::to_string(i) + "\",SoundFilename=MorvoSounds.S" + std::to_string(i % 97) +
                 ",Volume=2,Delay=0,Random=1,Team=0)");
    }
    ~TOldFile() { std::filesystem::remove_all(FFolder.parent_path()); }

    std::string Path() const { return FFolder / "Morvo53.ini"; }

private:
    std::filesystem::path FFolder;
};

const TOldFile& OldFile()
{
    static const TOldFile file;
    return file;
}

// Presses OK on the message dialog that is showing, if any.
void AnswerMessage()
{
    for (int i = Application->ComponentCount() - 1; i >= 0; --i)
        if (auto* dialog = dynamic_cast<TMessageForm*>(Application->Components(i)); dialog && dialog->Visible())
            static_cast<TControl*>(dialog->FindComponent("A0"))->Click();
}

void BM_ConvertThroughTheWindow(benchmark::State& state)
{
    SetMessageBeepListener([](UINT) {});
    TfrmMain form(nullptr);
    form.Show();
    WindowHarness::ProcessPaints();
    const std::string path = OldFile().Path();
    TOpenDialog::Chooser = [&path](const TOpenDialog&) { return path; };
    for (auto _ : state) {
        Application->Post(AnswerMessage);
        form.btnConvert->Click();
        WindowHarness::ProcessPaints(); // the memo catches up with its lines and shows them
    }
    if (form.Memo2->Lines().Strings(0) != "[Morvo54.MorvoConfigs]")
        state.SkipWithError("the memo does not show the new file");
    TOpenDialog::Chooser = nullptr;
    SetMessageBeepListener(nullptr);
}

// The command-line tool as a user runs it: a process of its own, started and waited for.
void BM_CommandLineTool(benchmark::State& state)
{
    const std::string cli = (std::filesystem::path(Application->ExeName()).parent_path().parent_path() / "morvo54-cli").string();
    const std::string path = OldFile().Path();
    std::vector<char*> argv = {const_cast<char*>(cli.c_str()), const_cast<char*>(path.c_str()), nullptr};
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, cli.c_str(), &quiet, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) != pid ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError(("could not run " + cli).c_str());
            break;
        }
    }
    posix_spawn_file_actions_destroy(&quiet);
}

// Shows the results as usual and keeps each benchmark's time (the median of the repetitions).
class TRatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> Milliseconds;

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.aggregate_name == "median" && !run.error_occurred)
                Milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(BM_ConvertThroughTheWindow)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true)->UseRealTime();
BENCHMARK(BM_CommandLineTool)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true)->UseRealTime();

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    Application->Initialize();
    TRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    Application->Finalize();

    const double window = reporter.Milliseconds["BM_ConvertThroughTheWindow"];
    const double cli = reporter.Milliseconds["BM_CommandLineTool"];
    if (window <= 0 || cli <= 0) {
        std::fprintf(stderr, "A benchmark did not run.\n");
        return 1;
    }
    std::printf("Convert of a %d-line old file: window %.2f ms, command-line tool %.2f ms: %.2f x (target %.1f)\n",
                OldFileLines, window, cli, window / cli, Target);
    return window <= Target * cli ? 0 : 1;
}
