#pragma once

#include "core/LineList.h"
#include "core/Text.h"

#include <cstddef>
#include <map>
#include <string_view>

// Reads settings by section and key from the lines of an INI file, with the rules of the Windows
// profile functions that the old Morvo versions wrote their files for:
// - A section header is a line whose first non-blank character is "[" and which holds a "]"
//   after it; the section's name is the text between the "[" and the last "]", blanks trimmed.
//   Lines before the first header form a section with the empty name.
// - Section and key names match whatever their ASCII letter case and without the blanks around
//   them. Only the first section of a name is searched, and the first key of a name in it wins.
// - A key line holds "="; the key is the text before the first "=", the value the text after it.
//   A line without "=" is no key, nor is a line whose first non-blank character is ";".
// - Blanks and tabs around a value are dropped, then one pair of matching quotes ("..." or
//   '...') around it; ";" and "#" after a value are part of it.
// - A UTF-8 byte-order mark at the start of the file is skipped. Every other byte, NUL and 0x80
//   to 0xFF included, is an ordinary byte; nothing is converted to another code page.
class TProfileReader {
public:
    // The longest text a read gives: values and defaults are cut to this many bytes, as the
    // Windows function reads into a buffer of 2048 bytes.
    static constexpr std::size_t MaxValueLength = 2047;

    // Reads from the file at path, which need not exist: a missing file gives every default.
    // Nothing is read yet. A file of more than byteLimit bytes is refused when it is read.
    explicit TProfileReader(Text path, std::size_t byteLimit = TLineList::DefaultCapacity);

    // The value of key in section. When the file, the section or the key is absent: defaultValue
    // with its trailing blanks and one pair of quotes around it dropped. A key present with
    // nothing after its "=" gives an empty text, not the default.
    // The file is read on the first read from a section, and only up to that section's end;
    // further reads from the same section do not touch the file again.
    // Throws EFOpenError when the file exists but cannot be read, ECapacityError when it is
    // larger than byteLimit.
    [[nodiscard]] Text ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const;

private:
    [[nodiscard]] const TLineList& SectionLines(std::string_view name) const;
    [[nodiscard]] TLineList LoadSection(std::string_view name) const;

    Text FPath;
    std::size_t FByteLimit;
    // The lines of each section read so far, by lower-case name; an absent section has none.
    mutable std::map<Text, TLineList> FSections;
};
