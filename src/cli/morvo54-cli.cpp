// morvo54-cli: the window's Convert command for many files at once, or for a machine without a
// desktop. Each FILE is converted exactly as the window converts it, with the same outcome texts.

#include "converter/Conversion.h"
#include "core/Exception.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view Usage =
    "Usage: morvo54-cli [--stdout] FILE...\n"
    "Converts each old Morvo 51/52/53 FILE into Morvo54.ini in the folder of that FILE.\n"
    "A FILE is accepted when its full path holds \"Morvo5\" and not \"Morvo50\".\n"
    "\n"
    "  --stdout   write the new file to standard output instead of saving it (one FILE only)\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when every FILE was saved, 1 when some FILE was rejected and none failed,\n"
    "2 when some FILE could not be read or saved, or the command line was wrong.\n";

// Worst first: the exit status is that of the worst file.
enum class TFileOutcome { Saved = 0, Rejected = 1, Failed = 2 };

enum class TDestination { SaveBeside, StandardOutput };

struct TCommandLine {
    TDestination Destination = TDestination::SaveBeside;
    std::vector<Text> Files;
};

int UsageError(std::string_view problem)
{
    std::cerr << "morvo54-cli: " << problem << "\n\n" << Usage;
    return static_cast<int>(TFileOutcome::Failed);
}

void Report(std::ostream& stream, const Text& file, std::string_view message)
{
    stream << file << ": " << message << std::endl;
}

// The file-open dialog of the window always gives a full path, and the acceptance test looks at
// the folders too, so a name given here is made absolute first.
Text FullPath(const Text& file)
{
    return std::filesystem::absolute(file).string();
}

TFileOutcome ConvertToStandardOutput(const Text& file)
{
    TLineList input, output;
    Text sourceDir, dedicatedField;
    if (!BuildConversion(FullPath(file), input, output, sourceDir, dedicatedField)) {
        Report(std::cerr, file, RejectedMessage);
        return TFileOutcome::Rejected;
    }
    if (!output.SaveToStream(stdout)) {
        Report(std::cerr, file, "Cannot write to standard output");
        return TFileOutcome::Failed;
    }
    return TFileOutcome::Saved;
}

TFileOutcome ConvertBeside(const Text& file)
{
    TLineList input, output;
    Text sourceDir, dedicatedField;
    const TConversionResult result = RunConversion(FullPath(file), input, output, sourceDir, dedicatedField);
    const bool saved = result.Outcome == TConversionOutcome::Saved;
    Report(saved ? std::cout : std::cerr, file, result.Message);
    return saved ? TFileOutcome::Saved : TFileOutcome::Rejected;
}

// A file that fails is reported and the next one is still converted.
TFileOutcome ConvertFile(const Text& file, TDestination destination)
{
    try {
        return destination == TDestination::StandardOutput ? ConvertToStandardOutput(file)
                                                           : ConvertBeside(file);
    } catch (const Exception& error) {
        Report(std::cerr, file, error.Message());
    } catch (const std::bad_alloc&) {
        Report(std::cerr, file, "Out of memory");
    } catch (const std::exception& error) {
        Report(std::cerr, file, error.what());
    }
    return TFileOutcome::Failed;
}

} // namespace

int main(int argc, char* argv[])
{
    TCommandLine commandLine;
    bool optionsEnded = false;
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument = argv[index];
        if (optionsEnded || argument.size() < 2 || argument.front() != '-')
            commandLine.Files.emplace_back(argument);
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--stdout")
            commandLine.Destination = TDestination::StandardOutput;
        else if (argument == "--help") {
            std::cout << Usage;
            return 0;
        } else if (argument == "--version") {
            std::cout << "morvo54-cli " << MORVO_VERSION << "\n";
            return 0;
        } else
            return UsageError("unknown option " + Text(argument));
    }
    if (commandLine.Files.empty())
        return UsageError("no FILE given");
    if (commandLine.Destination == TDestination::StandardOutput && commandLine.Files.size() != 1)
        return UsageError("--stdout takes exactly one FILE");

    TFileOutcome worst = TFileOutcome::Saved;
    for (const Text& file : commandLine.Files)
        worst = std::max(worst, ConvertFile(file, commandLine.Destination));
    return static_cast<int>(worst);
}
