#include "converter/Conversion.h"

#include "core/Exception.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Everything a conversion run reads and writes besides the files, as the window keeps it.
struct TRunState {
    TLineList Input, Output;
    Text SourceDir, DedicatedField;

    TConversionResult Run(const Text& path) { return RunConversion(path, Input, Output, SourceDir, DedicatedField); }
};

const Text OldFile =
    "[MorvoConfigs]\r\nMorvoPass=pw\r\nDedicated=False\r\n\r\n"
    "[Morvo53.MPlayerList]\r\nPlayer=(Name=\"A\")\r\n\r\n"
    "[Morvo53.MTriggers]\r\nT=(SoundFilename=a.wav,Q=0,Random=1)\r\n";

} // namespace

TEST(Conversion, AcceptsAPathWithMorvo5AndWithoutMorvo50Anywhere)
{
    struct TCase {
        Text Path;
        bool Accepted;
    };
    const TCase cases[] = {
        {"/games/Morvo53.ini", true},
        {"/games/Morvo51.ini", true},
        {"/games/Morvo50.ini", false},
        {"/games/Morvo500.ini", false},
        {"/Morvo50/Morvo53.ini", false}, // the folder counts
        {"/Morvo5x/old.ini", true},      // the file name need not hold "Morvo5"
        {"/games/morvo53.ini", false},   // letter case counts
        {"/games/Morvo54.ini", true},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsMorvoPath(c.Path), c.Accepted) << c.Path;
}

TEST(Conversion, SavesBesideAFileAcceptedByItsFolder)
{
    const TTempFolder folder;
    TRunState state;
    const auto result = state.Run(folder.Write("Morvo5x/old.ini", OldFile));
    EXPECT_EQ(result.Outcome, TConversionOutcome::Saved);
    EXPECT_EQ(state.SourceDir, (folder / "Morvo5x") + "/");
    EXPECT_EQ(state.DedicatedField, "DedicatedOnly=False,");
    EXPECT_EQ(folder.Listing("Morvo5x"), "Morvo54.ini old.ini");
}

TEST(Conversion, ARejectedRunReadsWritesAndChangesNothing)
{
    const TTempFolder folder;
    folder.Write("Morvo50/Morvo53.ini", OldFile);
    folder.Write("games/morvo53.ini", OldFile);
    std::filesystem::create_directories(folder / "folder/Morvo53.ini");

    TRunState state;
    ASSERT_EQ(state.Run(folder.Write("first/Morvo53.ini", OldFile)).Outcome, TConversionOutcome::Saved);
    const Text savedBefore = ReadFileBytes(folder / "first/Morvo54.ini");
    const std::size_t outputLines = state.Output.Count();

    for (const Text& rejected : {folder / "Morvo50/Morvo53.ini", folder / "games/morvo53.ini",
                                 folder / "missing/Morvo53.ini", folder / "folder/Morvo53.ini"}) {
        const auto result = state.Run(rejected);
        EXPECT_EQ(result.Outcome, TConversionOutcome::Rejected) << rejected;
        EXPECT_EQ(result.Message, "File must be a Morvo 51-53 file!");
    }
    EXPECT_EQ(state.SourceDir, (folder / "first") + "/");
    EXPECT_EQ(state.DedicatedField, "DedicatedOnly=False,");
    EXPECT_EQ(state.Output.Count(), outputLines);
    EXPECT_EQ(state.Input.Strings(0), "[MorvoConfigs]");
    EXPECT_EQ(ReadFileBytes(folder / "first/Morvo54.ini"), savedBefore);
    EXPECT_EQ(folder.Listing("Morvo50") + "|" + folder.Listing("games"), "Morvo53.ini|morvo53.ini");
}

TEST(Conversion, ConvertsMorvo54IniItselfInPlace)
{
    const TTempFolder folder;
    TRunState state;
    const Text path = folder.Write("Morvo54.ini", OldFile);
    ASSERT_EQ(state.Run(path).Outcome, TConversionOutcome::Saved);

    TRunState fresh;
    const Text expected = ReadFileBytes(path);
    ASSERT_EQ(fresh.Run(folder.Write("again/Morvo53.ini", OldFile)).Outcome, TConversionOutcome::Saved);
    EXPECT_EQ(expected, ReadFileBytes(folder / "again/Morvo54.ini"));
    EXPECT_NE(expected.find("DedicatedOnly=False,Filename=a.wav"), Text::npos);
    EXPECT_EQ(folder.Listing(), "Morvo54.ini again");
}

TEST(Conversion, ASecondRunReplacesTheFirstRunsLines)
{
    const TTempFolder folder;
    TRunState state;
    ASSERT_EQ(state.Run(folder.Write("a/Morvo53.ini", OldFile)).Outcome, TConversionOutcome::Saved);
    ASSERT_EQ(state.Run(folder.Write("b/Morvo52.ini", "[MorvoConfigs]\nDedicated=True\n")).Outcome,
              TConversionOutcome::Saved);
    EXPECT_EQ(state.Output.Count(), 28u);
    EXPECT_EQ(state.Output.Strings(1), "Morvopass=");
    EXPECT_EQ(state.DedicatedField, "DedicatedOnly=True,");
    EXPECT_EQ(state.SourceDir, (folder / "b") + "/");
}

TEST(Conversion, LineBreaksOfAnyKindGiveTheSameFile)
{
    // The old file with each CR LF replaced by lineBreak.
    const auto withLineBreak = [](std::string_view lineBreak) {
        Text file;
        for (std::size_t start = 0, end; (end = OldFile.find("\r\n", start)) != Text::npos; start = end + 2)
            file.append(OldFile, start, end - start).append(lineBreak);
        return file;
    };
    const TTempFolder folder;
    TRunState state;
    state.Run(folder.Write("crlf/Morvo53.ini", OldFile));
    state.Run(folder.Write("lf/Morvo53.ini", withLineBreak("\n")));
    state.Run(folder.Write("cr/Morvo53.ini", withLineBreak("\r")));
    const Text expected = ReadFileBytes(folder / "crlf/Morvo54.ini");
    EXPECT_NE(expected.find("Player=(Name=\"A\")\r\n\r\r\n"), Text::npos);
    EXPECT_EQ(ReadFileBytes(folder / "lf/Morvo54.ini"), expected);
    EXPECT_EQ(ReadFileBytes(folder / "cr/Morvo54.ini"), expected);
}

TEST(Conversion, OnlyTheFirst3000LinesAreLookedAt)
{
    // The player list starts at index 0 and runs past index 3000; the triggers header stands at
    // index 2999 and the ban header at index 3000.
    Text file = "[Morvo53.MPlayerList]\r\n";
    for (int index = 1; index < 2999; ++index)
        file += "Player=" + std::to_string(index) + "\r\n";
    file += "Player=[Morvo53.MTriggers]\r\n[Morvo53.MPlayerBan]\r\nBan=1\r\n";
    const TTempFolder folder;
    TRunState state;
    ASSERT_EQ(state.Run(folder.Write("Morvo53.ini", file)).Outcome, TConversionOutcome::Saved);

    EXPECT_EQ(state.Input.Count(), 3000u);
    // Settings (20 lines), player list header, 2998 players, separator, then the ban list empty
    // and the triggers header at index 2999 without entries.
    EXPECT_EQ(state.Output.Strings(21 + 2997), "Player=2998");
    EXPECT_EQ(state.Output.Strings(21 + 2998), "\r");
    EXPECT_EQ(state.Output.Strings(21 + 2999), "[Morvo54.MorvoPlayerBan]");
    EXPECT_EQ(state.Output.Strings(21 + 3000), "\r");
    EXPECT_EQ(state.Output.Count(), 20u + 3000u + 6u);
}

TEST(Conversion, AFileBeyondCapacityIsRefusedAndNothingWritten)
{
    const TTempFolder folder;
    TRunState state;
    state.Output.Add("earlier run");
    state.Input.SetCapacity(OldFile.size() - 1);
    try {
        state.Run(folder.Write("Morvo53.ini", OldFile));
        FAIL() << "no error";
    } catch (const ECapacityError& error) {
        EXPECT_EQ(error.Message(), "Text exceeds memo capacity");
    }
    EXPECT_EQ(state.Output.Strings(0), "earlier run");
    EXPECT_EQ(state.SourceDir, folder.Path().string() + "/");
    EXPECT_EQ(folder.Listing(), "Morvo53.ini");
}

TEST(Conversion, AFileThatCannotBeReadIsAnOpenError)
{
    // Reading this kernel file fails at once, whoever runs the test.
    const TTempFolder folder;
    std::filesystem::create_symlink("/proc/self/mem", folder / "Morvo53.ini");
    TRunState state;
    state.Output.Add("earlier run");
    try {
        state.Run(folder / "Morvo53.ini");
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file " + (folder / "Morvo53.ini"));
    }
    EXPECT_EQ(state.Output.Strings(0), "earlier run");
    EXPECT_EQ(folder.Listing(), "Morvo53.ini");
}

TEST(Conversion, AFolderInThePlaceOfTheNewFileIsACreateError)
{
    const TTempFolder folder;
    folder.Write("Morvo54.ini/keep.txt", "kept");
    TRunState state;
    try {
        state.Run(folder.Write("Morvo53.ini", OldFile));
        FAIL() << "no error";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + (folder / "Morvo54.ini"));
    }
    // The run's lines stay on view; nothing else is left in the folder.
    EXPECT_EQ(state.Output.Count(), 30u);
    EXPECT_EQ(folder.Listing(), "Morvo53.ini Morvo54.ini");
    EXPECT_EQ(folder.Listing("Morvo54.ini"), "keep.txt");
}

TEST(Conversion, BuildWithoutSaveWritesNothing)
{
    const TTempFolder folder;
    TRunState state;
    ASSERT_TRUE(BuildConversion(folder.Write("Morvo53.ini", OldFile), state.Input, state.Output,
                                state.SourceDir, state.DedicatedField));
    EXPECT_EQ(folder.Listing(), "Morvo53.ini");
    SaveConversion(state.Output, state.SourceDir);
    TRunState viaRun;
    viaRun.Run(folder.Write("again/Morvo53.ini", OldFile));
    EXPECT_EQ(ReadFileBytes(folder / "Morvo54.ini"), ReadFileBytes(folder / "again/Morvo54.ini"));
}
