#pragma once

#include "core/Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

// An ordered list of lines: the text of a memo, the lines of a file, the lines of a new file.
// The lines are stored one after another in a single byte buffer with an index of where each
// begins, so that a long file loads at about the speed of reading it and takes little more
// memory than its size.
class TLineList {
public:
    // How many bytes of line text a list holds at most, unless told otherwise.
    static constexpr std::size_t DefaultCapacity = std::size_t{256} * 1024 * 1024;
    // The line index counts in 32 bits, so no list can hold more than this.
    static constexpr std::size_t MaxCapacity = UINT32_MAX;

    // LoadFromFile keeps every line unless told otherwise.
    static constexpr std::size_t AllLines = SIZE_MAX;

    // Replaces the whole content with the lines of the file at path: all of them, or the first
    // lineLimit, in which case the rest of the file is not read at all. Each CR LF pair, each lone
    // CR and each lone LF ends a line, and the end of the file ends the last one (a line break at
    // the very end adds no empty line). Every other byte, NUL and 0x80 to 0xFF included, is kept,
    // and lines are kept whole whatever their length.
    // Throws EFOpenError when the file cannot be opened or read (a folder, for example),
    // ECapacityError when the file holds more than Capacity() bytes, even with a lineLimit:
    // a file too large for the list is refused as a whole. Either way the list keeps its
    // content and OnChange is not called.
    void LoadFromFile(const Text& path, std::size_t lineLimit = AllLines);

    // Writes every line followed by CR LF to the file at path, creating or replacing it. The
    // lines go to a new hidden file in the same folder first, which then takes the place of path
    // in one step, so no reader ever sees half a file.
    // Throws EFCreateError when the file cannot be written or put in place (the folder refuses
    // new files, a folder of that name stands there, the disk is full); the file at path is then
    // as it was and no hidden file remains.
    void SaveToFile(const Text& path) const;

    // Writes every line followed by CR LF to stream and flushes it. Returns false when the
    // stream did not take every byte.
    [[nodiscard]] bool SaveToStream(std::FILE* stream) const;

    // Removes every line and gives their memory back.
    void Clear();

    // Appends line as the new last line, byte for byte.
    // Throws ECapacityError when the list would then hold more than Capacity() bytes; the list
    // is then unchanged.
    void Add(std::string_view line);

    // The line at the 0-based index, as a view into the list, valid until the list next changes.
    // An index at or past the end gives an empty line: reading there is cheap and never fails.
    [[nodiscard]] std::string_view Strings(std::size_t index) const;

    [[nodiscard]] std::size_t Count() const { return FLineStarts.size(); }

    // The most bytes of line text (line breaks not counted) the list may hold; a file to load
    // may be at most this large. Applies to later loads and additions; a value above
    // MaxCapacity is taken as MaxCapacity.
    [[nodiscard]] std::size_t Capacity() const { return FCapacity; }
    void SetCapacity(std::size_t capacity);

    // Called after every change (load, clear, add), so that a view of the list can refresh.
    std::function<void()> OnChange;

private:
    void Changed() const;

    Text FBytes;                            // the bytes of every line, one after another
    std::vector<std::uint32_t> FLineStarts; // where each line begins in FBytes
    std::size_t FCapacity = DefaultCapacity;
};
