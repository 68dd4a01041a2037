#include "core/ProfileReader.h"

#include "core/Exception.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

// One recorded read: how the Windows profile reader answered it.
struct TRecordedRead {
    Text Case, FileContent, Section, Key, Default, Value;
    bool FileExists;
};

// Undoes the escapes of the recording: \\, \r, \n, \t and \xNN.
Text Unescape(std::string_view field)
{
    Text bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            bytes += field[i];
            continue;
        }
        const char kind = field[++i];
        if (kind == 'r')
            bytes += '\r';
        else if (kind == 'n')
            bytes += '\n';
        else if (kind == 't')
            bytes += '\t';
        else if (kind == 'x') {
            bytes += static_cast<char>(std::stoi(Text(field.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else
            bytes += kind;
    }
    return bytes;
}

std::vector<TRecordedRead> RecordedReads()
{
    const Text table = ReadFileBytes(MORVO_TEST_DATA "/profile-reader-cases.tsv");
    std::vector<TRecordedRead> reads;
    std::size_t rowStart = table.find('\n') + 1; // past the column names
    while (rowStart < table.size()) {
        const std::size_t rowEnd = std::min(table.find('\n', rowStart), table.size());
        std::vector<std::string_view> fields;
        std::string_view row = std::string_view(table).substr(rowStart, rowEnd - rowStart);
        for (std::size_t tab; (tab = row.find('\t')) != std::string_view::npos; row.remove_prefix(tab + 1))
            fields.push_back(row.substr(0, tab));
        fields.push_back(row);
        if (fields.size() == 6)
            reads.push_back({Text(fields[0]), Unescape(fields[1]), Unescape(fields[2]), Unescape(fields[3]),
                             Unescape(fields[4]), Unescape(fields[5]), fields[1] != "<NOFILE>"});
        rowStart = rowEnd + 1;
    }
    return reads;
}

Text ReadOnce(const Text& fileContent, std::string_view section, std::string_view key,
              std::string_view defaultValue)
{
    const TTempFolder folder;
    return TProfileReader(folder.Write("Morvo53.ini", fileContent)).ReadString(section, key, defaultValue);
}

} // namespace

TEST(ProfileReader, GivesTheRecordedAnswerForEveryRecordedRead)
{
    const auto reads = RecordedReads();
    ASSERT_GT(reads.size(), 60u);
    for (const auto& read : reads) {
        const TTempFolder folder;
        const Text path = read.FileExists ? folder.Write("Morvo53.ini", read.FileContent) : folder / "Morvo53.ini";
        EXPECT_EQ(TProfileReader(path).ReadString(read.Section, read.Key, read.Default), read.Value) << read.Case;
    }
}

TEST(ProfileReader, SkipsAByteOrderMarkAndKeepsEveryOtherByte)
{
    EXPECT_EQ(ReadOnce("\xEF\xBB\xBF[MorvoConfigs]\r\nA=1\r\n", "MorvoConfigs", "A", "d"), "1");
    EXPECT_EQ(ReadOnce("\xEF\xBB\xBF" "A=global\r\n", "", "A", "d"), "global");
    // Only at the very start of the file.
    EXPECT_EQ(ReadOnce("\r\n\xEF\xBB\xBF[MorvoConfigs]\r\nA=1\r\n", "MorvoConfigs", "A", "d"), "d");
    EXPECT_EQ(ReadOnce(Text("[MorvoConfigs]\r\nA=x\0y\xFF\r\n", 23), "MorvoConfigs", "A", "d"),
              Text("x\0y\xFF", 4));
}

TEST(ProfileReader, ReadsASectionFromTheFileOnce)
{
    const TTempFolder folder;
    const Text path = folder.Write("Morvo53.ini", "[MorvoConfigs]\r\nA=1\r\nB=2\r\n");
    const TProfileReader reader(path);
    EXPECT_EQ(reader.ReadString("MorvoConfigs", "A", "d"), "1");
    std::filesystem::remove(path);
    EXPECT_EQ(reader.ReadString("MORVOCONFIGS", "B", "d"), "2");
}

TEST(ProfileReader, AFileThatCannotBeReadIsAnError)
{
    const TTempFolder folder;
    std::filesystem::create_directory(folder / "Morvo53.ini");
    EXPECT_THROW((void)TProfileReader(folder / "Morvo53.ini").ReadString("MorvoConfigs", "A", "d"), EFOpenError);
    const Text path = folder.Write("big.ini", "[MorvoConfigs]\r\nA=1\r\n");
    EXPECT_THROW((void)TProfileReader(path, 10).ReadString("MorvoConfigs", "A", "d"), ECapacityError);
}
