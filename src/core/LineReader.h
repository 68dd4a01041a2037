#pragma once

#include "core/Text.h"

#include <cstddef>
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// Reads a file line by line, in pieces of a fixed size, so that only the lines a caller keeps
// take memory. Each CR LF pair, each lone CR and each lone LF ends a line, and the end of the
// file ends the last one (a line break at the very end adds no empty line). Every other byte,
// NUL and 0x80 to 0xFF included, is part of a line, and lines are whole whatever their length.
class TLineReader {
public:
    // Opens the file at path. byteLimit is the most bytes the file may hold.
    // Throws EFOpenError when the file cannot be opened, ECapacityError when it is known to be
    // larger than byteLimit.
    TLineReader(const Text& path, std::size_t byteLimit);

    // The next line, or nothing at the end of the file. The view is valid until the next call.
    // Throws EFOpenError when reading fails (the path names a folder, a disk error) and
    // ECapacityError once more than byteLimit bytes have been read.
    [[nodiscard]] std::optional<std::string_view> Next();

private:
    bool ReadPiece();
    [[nodiscard]] std::size_t FindByte(char byte) const;

    Text FPath;
    std::size_t FByteLimit;
    std::size_t FBytesRead = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> FFile;
    std::vector<char> FPiece;
    std::size_t FPosition = 0;      // next unread byte of FPiece
    std::size_t FPieceEnd = 0;      // bytes of FPiece filled
    std::size_t FNextCR = 0;        // next CR at or after FPosition in the piece, or FPieceEnd
    std::size_t FNextLF = 0;        // the same for LF
    Text FPartialLine;              // the start of a line cut by the end of a piece
    bool FPartialLineHandedOut = false;
    bool FAfterCR = false;          // the last piece ended with a CR, which an LF would join
};
