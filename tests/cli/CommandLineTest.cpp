#include "converter/Conversion.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

const Text OldFile =
    "[MorvoConfigs]\r\nMorvoPass=pw\r\n\r\n"
    "[Morvo53.MTriggers]\r\nT=(SoundFilename=a.wav,Q=0,Random=1)\r\n";

struct TCliRun {
    int Status;
    Text Out, Err;
};

// Runs the tool in workingDir with arguments (already quoted for the shell).
TCliRun RunCli(const Text& workingDir, const Text& arguments)
{
    const TTempFolder capture;
    const Text command = "cd '" + workingDir + "' && '" MORVO_CLI "' " + arguments + " >'" + (capture / "out")
                         + "' 2>'" + (capture / "err") + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(capture / "out"),
            ReadFileBytes(capture / "err")};
}

// What the window would save for the same old file.
Text ConvertedInProcess(const Text& oldFile)
{
    const TTempFolder folder;
    TLineList input, output;
    Text sourceDir, dedicatedField;
    (void)RunConversion(folder.Write("Morvo53.ini", oldFile), input, output, sourceDir, dedicatedField);
    return ReadFileBytes(folder / "Morvo54.ini");
}

} // namespace

TEST(CommandLine, SavesEachFileAsTheWindowWould)
{
    const TTempFolder folder;
    folder.Write("one/Morvo53.ini", OldFile);
    folder.Write("two/Morvo51.ini", "");
    const auto run = RunCli(folder.Path(), "one/Morvo53.ini two/Morvo51.ini");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "one/Morvo53.ini: Saved as Morvo54.ini\ntwo/Morvo51.ini: Saved as Morvo54.ini\n");
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(ReadFileBytes(folder / "one/Morvo54.ini"), ConvertedInProcess(OldFile));
    EXPECT_EQ(ReadFileBytes(folder / "two/Morvo54.ini"), ConvertedInProcess(""));
}

TEST(CommandLine, ExitStatusIsThatOfTheWorstFile)
{
    const TTempFolder folder;
    folder.Write("ok/Morvo53.ini", OldFile);
    folder.Write("blocked/Morvo53.ini", OldFile);
    folder.Write("blocked/Morvo54.ini/a folder stands here", "");
    folder.Write("Morvo50/Morvo53.ini", OldFile);

    const auto rejected = RunCli(folder.Path(), "Morvo50/Morvo53.ini ok/Morvo53.ini");
    EXPECT_EQ(rejected.Status, 1);
    EXPECT_EQ(rejected.Out, "ok/Morvo53.ini: Saved as Morvo54.ini\n");
    EXPECT_EQ(rejected.Err, "Morvo50/Morvo53.ini: File must be a Morvo 51-53 file!\n");

    // A failing file is reported and the files after it are still converted.
    std::filesystem::remove(folder / "ok/Morvo54.ini");
    const auto failed = RunCli(folder.Path(), "blocked/Morvo53.ini Morvo50/Morvo53.ini ok/Morvo53.ini");
    EXPECT_EQ(failed.Status, 2);
    EXPECT_EQ(failed.Out, "ok/Morvo53.ini: Saved as Morvo54.ini\n");
    EXPECT_EQ(failed.Err, "blocked/Morvo53.ini: Cannot create file " + (folder / "blocked/Morvo54.ini")
                              + "\nMorvo50/Morvo53.ini: File must be a Morvo 51-53 file!\n");
    EXPECT_EQ(folder.Listing("ok"), "Morvo53.ini Morvo54.ini");
}

TEST(CommandLine, NamesAreMadeAbsoluteForTheAcceptanceTest)
{
    const TTempFolder folder;
    folder.Write("Morvo5x/old.ini", OldFile);
    folder.Write("Morvo50/Morvo53.ini", OldFile);
    EXPECT_EQ(RunCli(folder / "Morvo5x", "old.ini").Status, 0);
    EXPECT_EQ(folder.Listing("Morvo5x"), "Morvo54.ini old.ini");
    EXPECT_EQ(RunCli(folder / "Morvo50", "Morvo53.ini").Status, 1);
    EXPECT_EQ(RunCli(folder.Path(), "missing/Morvo53.ini").Status, 1);
}

TEST(CommandLine, StdoutGivesTheNewFileInsteadOfSavingIt)
{
    const TTempFolder folder;
    folder.Write("Morvo53.ini", OldFile);
    const auto run = RunCli(folder.Path(), "--stdout Morvo53.ini");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, ConvertedInProcess(OldFile));
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(folder.Listing(), "Morvo53.ini");

    const auto rejected = RunCli(folder.Path(), "--stdout morvo53.ini");
    EXPECT_EQ(rejected.Status, 1);
    EXPECT_EQ(rejected.Out, "");
    EXPECT_EQ(rejected.Err, "morvo53.ini: File must be a Morvo 51-53 file!\n");
}

TEST(CommandLine, MistakesGiveUsageAndStatus2)
{
    const TTempFolder folder;
    for (const Text arguments : {"", "--bogus Morvo53.ini", "--stdout a/Morvo53.ini b/Morvo53.ini"}) {
        const auto run = RunCli(folder.Path(), arguments);
        EXPECT_EQ(run.Status, 2) << arguments;
        EXPECT_EQ(run.Out, "") << arguments;
        EXPECT_NE(run.Err.find("Usage: morvo54-cli [--stdout] FILE..."), Text::npos) << arguments;
    }
    const auto help = RunCli(folder.Path(), "--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Out.starts_with("Usage: morvo54-cli [--stdout] FILE..."));
    const auto version = RunCli(folder.Path(), "--version");
    EXPECT_EQ(version.Status, 0);
    EXPECT_TRUE(version.Out.starts_with("morvo54-cli "));
    EXPECT_EQ(folder.Listing(), "");
}
