#include "core/LineList.h"

#include "core/Exception.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

using namespace std::string_literals;

namespace {

std::vector<Text> LinesOf(const TLineList& list)
{
    std::vector<Text> lines;
    for (std::size_t index = 0; index < list.Count(); ++index)
        lines.emplace_back(list.Strings(index));
    return lines;
}

std::vector<Text> LoadBytes(const Text& bytes, std::size_t lineLimit = TLineList::AllLines)
{
    const TTempFolder folder;
    TLineList list;
    list.LoadFromFile(folder.Write("file.ini", bytes), lineLimit);
    return LinesOf(list);
}

// The reader takes files in pieces of this size; lines and line breaks cut between two pieces
// must come out whole.
constexpr std::size_t PieceSize = 256 * 1024;

} // namespace

TEST(LineList, EveryKindOfLineBreakEndsALine)
{
    struct TCase {
        const char* Name;
        Text Bytes;
        std::vector<Text> Lines;
    };
    const TCase cases[] = {
        {"empty file", "", {}},
        {"no line break", "a", {"a"}},
        {"CR LF", "a\r\nb\r\n", {"a", "b"}},
        {"lone LF", "a\nb\n", {"a", "b"}},
        {"lone CR", "a\rb\r", {"a", "b"}},
        {"end of file ends the last line", "a\r\nb", {"a", "b"}},
        {"CR CR LF is a CR then a CR LF", "a\r\r\nb", {"a", "", "b"}},
        {"LF CR is two line breaks", "a\n\rb", {"a", "", "b"}},
        {"only a line break", "\r\n", {""}},
        {"blank lines are lines", "\r\n\r\n x \r\n", {"", "", " x "}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadBytes(c.Bytes), c.Lines) << c.Name;
}

TEST(LineList, LinesCutBetweenPiecesComeOutWhole)
{
    const Text longLine(PieceSize - 1, 'x');
    // The CR LF pair straddles the end of the first piece.
    EXPECT_EQ(LoadBytes(longLine + "\r\nnext"), (std::vector<Text>{longLine, "next"}));
    // A lone CR at the end of a piece, then an ordinary line.
    EXPECT_EQ(LoadBytes(longLine + "\rnext"), (std::vector<Text>{longLine, "next"}));
    // A line three pieces long is kept whole, with no cut at any length.
    const Text hugeLine(3 * PieceSize + 17, 'y');
    EXPECT_EQ(LoadBytes("a\n" + hugeLine + "\nb"), (std::vector<Text>{"a", hugeLine, "b"}));
}

TEST(LineList, EveryByteButLineBreaksIsKeptAndSavedUnchanged)
{
    Text allBytes;
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            allBytes += static_cast<char>(byte);
    const TTempFolder folder;
    TLineList list;
    list.LoadFromFile(folder.Write("in.ini", allBytes + "\n" + allBytes));
    ASSERT_EQ(LinesOf(list), (std::vector<Text>{allBytes, allBytes}));

    list.SaveToFile(folder / "out.ini");
    EXPECT_EQ(ReadFileBytes(folder / "out.ini"), allBytes + "\r\n" + allBytes + "\r\n");
}

TEST(LineList, ReadingAtOrPastTheEndGivesAnEmptyLine)
{
    TLineList list;
    EXPECT_EQ(list.Strings(0), "");
    list.Add("only");
    EXPECT_EQ(list.Strings(0), "only");
    EXPECT_EQ(list.Strings(1), "");
    EXPECT_EQ(list.Strings(2999), "");
    EXPECT_EQ(list.Strings(SIZE_MAX), "");
    EXPECT_EQ(list.Count(), 1u);
}

TEST(LineList, LoadWithALineLimitKeepsTheFirstLines)
{
    EXPECT_EQ(LoadBytes("a\r\nb\r\nc\r\nd", 2), (std::vector<Text>{"a", "b"}));
    EXPECT_EQ(LoadBytes("a\r\nb", 5), (std::vector<Text>{"a", "b"}));
}

TEST(LineList, LoadReplacesAndClearEmpties)
{
    const TTempFolder folder;
    TLineList list;
    list.Add("old");
    list.LoadFromFile(folder.Write("file.ini", "new1\r\nnew2"));
    EXPECT_EQ(LinesOf(list), (std::vector<Text>{"new1", "new2"}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Strings(0), "");
}

TEST(LineList, SaveEndsEveryLineWithCRLF)
{
    const TTempFolder folder;
    TLineList list;
    list.SaveToFile(folder / "empty.ini");
    EXPECT_EQ(ReadFileBytes(folder / "empty.ini"), "");

    list.Add("[Section]");
    list.Add("");
    list.Add("\r"); // a separator line stands in the file as 13 13 10
    list.Add("last");
    list.SaveToFile(folder / "lines.ini");
    EXPECT_EQ(ReadFileBytes(folder / "lines.ini"), "[Section]\r\n\r\n\r\r\nlast\r\n");
}

TEST(LineList, SaveReplacesAnExistingFileAndKeepsItsPermissions)
{
    const TTempFolder folder;
    const Text path = folder.Write("Morvo54.ini", "old content that is longer than the new one");
    std::filesystem::permissions(path, std::filesystem::perms(0640));
    TLineList list;
    list.Add("new");
    list.SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path), "new\r\n");
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(folder.Listing(), "Morvo54.ini"); // no hidden file left behind
}

TEST(LineList, FailedSaveLeavesTheFolderAsItWas)
{
    const TTempFolder folder;
    folder.Write("Morvo54.ini/inside.txt", "kept");
    TLineList list;
    list.Add("line");

    // A folder stands where the file should go.
    try {
        list.SaveToFile(folder / "Morvo54.ini");
        FAIL() << "no error";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), "Cannot create file " + (folder / "Morvo54.ini"));
    }
    EXPECT_EQ(folder.Listing(), "Morvo54.ini");
    EXPECT_EQ(ReadFileBytes(folder / "Morvo54.ini/inside.txt"), "kept");

    // The folder itself is missing.
    EXPECT_THROW(list.SaveToFile(folder / "missing/Morvo54.ini"), EFCreateError);
    EXPECT_EQ(folder.Listing(), "Morvo54.ini");
}

TEST(LineList, FailedLoadKeepsTheContent)
{
    const TTempFolder folder;
    std::filesystem::create_directory(folder / "Morvo53.ini");
    TLineList list;
    list.Add("kept");
    int changes = 0;
    list.OnChange = [&] { ++changes; };

    try {
        list.LoadFromFile(folder / "missing.ini");
        FAIL() << "no error";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(), "Cannot open file " + (folder / "missing.ini"));
    }
    EXPECT_THROW(list.LoadFromFile(folder / "Morvo53.ini"), EFOpenError); // a folder
    EXPECT_EQ(LinesOf(list), std::vector<Text>{"kept"});
    EXPECT_EQ(changes, 0);
}

TEST(LineList, CapacityLimitsLoadsAndAdditions)
{
    const TTempFolder folder;
    TLineList list;
    list.SetCapacity(10);
    list.LoadFromFile(folder.Write("ten.ini", "0123456789"));
    EXPECT_EQ(list.Count(), 1u);

    try {
        list.LoadFromFile(folder.Write("eleven.ini", "0123456789\n"));
        FAIL() << "no error";
    } catch (const ECapacityError& error) {
        EXPECT_EQ(error.Message(), "Text exceeds memo capacity");
    }
    // Too large as a whole even when only its first line would be kept.
    EXPECT_THROW(list.LoadFromFile(folder.Write("long.ini", "a\n0123456789"), 1), ECapacityError);
    EXPECT_EQ(list.Strings(0), "0123456789");

    list.Clear();
    list.Add("01234");
    EXPECT_THROW(list.Add("567890"), ECapacityError);
    list.Add("56789");
    EXPECT_EQ(LinesOf(list), (std::vector<Text>{"01234", "56789"}));
    EXPECT_THROW(list.Add("x"), ECapacityError);
    EXPECT_EQ(list.Count(), 2u);

    list.SetCapacity(SIZE_MAX);
    EXPECT_EQ(list.Capacity(), TLineList::MaxCapacity);
}

TEST(LineList, OnChangeFollowsEveryChange)
{
    const TTempFolder folder;
    TLineList list;
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    list.Add("a");
    list.LoadFromFile(folder.Write("file.ini", "x\ny"));
    list.Clear();
    EXPECT_EQ(changes, 3);
}
