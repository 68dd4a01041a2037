#include "core/LineReader.h"

#include "core/Exception.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// Small enough to stay in the processor's cache while it is split into lines, large enough to
// make few system calls.
constexpr std::size_t PieceSize = std::size_t{256} * 1024;

} // namespace

TLineReader::TLineReader(const Text& path, std::size_t byteLimit)
    : FPath(path)
    , FByteLimit(byteLimit)
    , FFile(std::fopen(path.c_str(), "rb"), &std::fclose)
{
    if (!FFile)
        throw EFOpenError(FPath);
    std::error_code error;
    const auto size = std::filesystem::file_size(FPath, error);
    if (!error && size > FByteLimit)
        throw ECapacityError();
    // A small file fits one piece of its own size; one byte more lets the first read see the end.
    FPiece.resize(error ? PieceSize : static_cast<std::size_t>(std::min<std::uintmax_t>(PieceSize, size + 1)));
}

std::optional<std::string_view> TLineReader::Next()
{
    if (FPartialLineHandedOut) {
        FPartialLine.clear();
        FPartialLineHandedOut = false;
    }
    for (;;) {
        if (FPosition == FPieceEnd && !ReadPiece()) {
            // The end of the file ends a line that was begun.
            if (FPartialLine.empty())
                return std::nullopt;
            FPartialLineHandedOut = true;
            return std::string_view(FPartialLine);
        }
        // The next CR and the next LF are searched separately, each only again once it has
        // been passed, so every byte is looked at about twice whatever the line breaks are.
        if (FNextCR < FPosition)
            FNextCR = FindByte('\r');
        if (FNextLF < FPosition)
            FNextLF = FindByte('\n');
        const std::size_t lineEnd = std::min(FNextCR, FNextLF);
        const std::string_view text(FPiece.data() + FPosition, lineEnd - FPosition);
        if (lineEnd == FPieceEnd) {
            FPartialLine.append(text);
            FPosition = FPieceEnd;
            continue;
        }
        FPosition = lineEnd + 1;
        if (FPiece[lineEnd] == '\r') {
            if (FPosition == FPieceEnd)
                FAfterCR = true;
            else if (FPiece[FPosition] == '\n')
                ++FPosition;
        }
        if (FPartialLine.empty())
            return text;
        FPartialLine.append(text);
        FPartialLineHandedOut = true;
        return std::string_view(FPartialLine);
    }
}

bool TLineReader::ReadPiece()
{
    do {
        const std::size_t got = std::fread(FPiece.data(), 1, FPiece.size(), FFile.get());
        if (got == 0) {
            if (std::ferror(FFile.get()))
                throw EFOpenError(FPath);
            return false;
        }
        FBytesRead += got;
        if (FBytesRead > FByteLimit)
            throw ECapacityError();
        FPieceEnd = got;
        FPosition = 0;
        // An LF that follows a CR across the cut belongs to the same line break.
        if (FAfterCR) {
            FAfterCR = false;
            if (FPiece[0] == '\n')
                FPosition = 1;
        }
    } while (FPosition == FPieceEnd);
    FNextCR = FindByte('\r');
    FNextLF = FindByte('\n');
    return true;
}

std::size_t TLineReader::FindByte(char byte) const
{
    const void* found = std::memchr(FPiece.data() + FPosition, byte, FPieceEnd - FPosition);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - FPiece.data()) : FPieceEnd;
}
