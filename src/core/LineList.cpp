#include "core/LineList.h"

#include "core/Exception.h"
#include "core/LineReader.h"
#include "core/Path.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

// The new file is written in pieces of this size, which keeps the system calls few.
constexpr std::size_t PieceSize = std::size_t{256} * 1024;

constexpr std::string_view LineBreak = "\r\n";

// Opens a new, empty file beside path under a hidden name of its own. Gives nullptr when the
// folder refuses it.
std::FILE* CreateTemporaryFile(const Text& path, Text& temporaryPath)
{
    std::random_device randomSource;
    const Text hiddenPrefix = ExtractFilePath(path) + "." + ExtractFileName(path).substr(0, 64) + ".";
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporaryPath = hiddenPrefix + std::to_string(randomSource()) + ".tmp";
        errno = 0;
        if (std::FILE* file = std::fopen(temporaryPath.c_str(), "wbx"))
            return file;
        if (errno != EEXIST)
            return nullptr;
    }
    return nullptr;
}

// A replaced file keeps its permissions; a new one gets the usual ones for new files.
void CopyPermissions(const Text& from, const Text& to)
{
    std::error_code error;
    const auto status = std::filesystem::status(from, error);
    if (!error && std::filesystem::is_regular_file(status))
        std::filesystem::permissions(to, status.permissions(), error);
}

} // namespace

void TLineList::LoadFromFile(const Text& path, std::size_t lineLimit)
{
    TLineReader reader(path, FCapacity);
    Text bytes;
    std::vector<std::uint32_t> lineStarts;
    if (lineLimit == AllLines) {
        // One allocation of the right size: growing by doubling would need twice the memory.
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (!error)
            bytes.reserve(size);
    }
    // The reader has checked that the file holds no more than FCapacity bytes, so every
    // position fits the line index.
    while (lineStarts.size() < lineLimit) {
        const auto line = reader.Next();
        if (!line)
            break;
        lineStarts.push_back(static_cast<std::uint32_t>(bytes.size()));
        bytes.append(*line);
    }
    FBytes = std::move(bytes);
    FLineStarts = std::move(lineStarts);
    Changed();
}

bool TLineList::SaveToStream(std::FILE* stream) const
{
    Text pending;
    pending.reserve(std::min(PieceSize, FBytes.size() + Count() * LineBreak.size()) + LineBreak.size());
    bool ok = true;
    const auto write = [&](std::string_view bytes) {
        ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
    };
    for (std::size_t index = 0; index < Count(); ++index) {
        const std::string_view line = Strings(index);
        if (line.size() >= PieceSize) {
            // A long line goes out as it is rather than being copied first.
            write(pending);
            pending.clear();
            write(line);
        } else {
            pending.append(line);
        }
        pending.append(LineBreak);
        if (pending.size() >= PieceSize) {
            write(pending);
            pending.clear();
        }
    }
    write(pending);
    return ok && std::fflush(stream) == 0;
}

void TLineList::SaveToFile(const Text& path) const
{
    Text temporaryPath;
    std::FILE* file = CreateTemporaryFile(path, temporaryPath);
    if (!file)
        throw EFCreateError(path);

    std::error_code error;
    bool saved = false;
    try {
        const bool written = SaveToStream(file);
        const bool closed = std::fclose(file) == 0;
        file = nullptr;
        if (written && closed) {
            CopyPermissions(path, temporaryPath);
            std::filesystem::rename(temporaryPath, path, error);
            saved = !error;
        }
    } catch (...) {
        if (file)
            std::fclose(file);
        std::filesystem::remove(temporaryPath, error);
        throw;
    }
    if (!saved) {
        std::filesystem::remove(temporaryPath, error);
        throw EFCreateError(path);
    }
}

void TLineList::Clear()
{
    FBytes = Text();
    FLineStarts = {};
    Changed();
}

void TLineList::Add(std::string_view line)
{
    if (line.size() > FCapacity - std::min(FBytes.size(), FCapacity))
        throw ECapacityError();
    FLineStarts.push_back(static_cast<std::uint32_t>(FBytes.size()));
    try {
        FBytes.append(line);
    } catch (...) {
        FLineStarts.pop_back();
        throw;
    }
    Changed();
}

std::string_view TLineList::Strings(std::size_t index) const
{
    if (index >= Count())
        return {};
    const std::size_t start = FLineStarts[index];
    const std::size_t end = index + 1 < Count() ? FLineStarts[index + 1] : FBytes.size();
    return std::string_view(FBytes).substr(start, end - start);
}

void TLineList::SetCapacity(std::size_t capacity)
{
    FCapacity = std::min(capacity, MaxCapacity);
}

void TLineList::Changed() const
{
    if (OnChange)
        OnChange();
}
