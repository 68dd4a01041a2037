#include "core/ProfileReader.h"

#include "core/LineReader.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

constexpr std::string_view Blanks = " \t";
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string_view TrimLeft(std::string_view text, std::string_view blanks = Blanks)
{
    const auto first = text.find_first_not_of(blanks);
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view TrimRight(std::string_view text, std::string_view blanks = Blanks)
{
    const auto last = text.find_last_not_of(blanks);
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

std::string_view Trim(std::string_view text)
{
    return TrimRight(TrimLeft(text));
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

Text LowerName(std::string_view name)
{
    Text lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(), AsciiLower);
    return lower;
}

// The name of the section that line opens, or nothing when it is no section header.
std::optional<std::string_view> HeaderName(std::string_view line)
{
    line = TrimLeft(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

std::string_view WithoutQuotes(std::string_view text)
{
    const bool quoted = text.size() >= 2 && text.front() == text.back()
                        && (text.front() == '"' || text.front() == '\'');
    return quoted ? text.substr(1, text.size() - 2) : text;
}

Text Limited(std::string_view text)
{
    return Text(text.substr(0, TProfileReader::MaxValueLength));
}

} // namespace

TProfileReader::TProfileReader(Text path, std::size_t byteLimit)
    : FPath(std::move(path))
    , FByteLimit(byteLimit)
{
}

Text TProfileReader::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    const std::string_view wantedKey = Trim(key);
    const TLineList& lines = SectionLines(Trim(section));
    for (std::size_t index = 0; index < lines.Count(); ++index) {
        const std::string_view line = TrimLeft(lines.Strings(index));
        // Comment lines hold no key, even with a "=" in them.
        if (line.empty() || line.front() == ';')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        if (SameName(TrimRight(line.substr(0, equals)), wantedKey))
            return Limited(WithoutQuotes(Trim(line.substr(equals + 1))));
    }
    // The default loses only its trailing spaces: leading ones and tabs stay.
    return Limited(WithoutQuotes(TrimRight(defaultValue, " ")));
}

const TLineList& TProfileReader::SectionLines(std::string_view name) const
{
    const Text lowerName = LowerName(name);
    auto found = FSections.find(lowerName);
    if (found == FSections.end())
        found = FSections.emplace(lowerName, LoadSection(name)).first;
    return found->second;
}

// Reads the file up to the end of the first section of that name and keeps that section's lines.
TLineList TProfileReader::LoadSection(std::string_view name) const
{
    TLineList section;
    section.SetCapacity(FByteLimit);
    std::error_code error;
    if (!std::filesystem::exists(FPath, error) && !error)
        return section;

    TLineReader reader(FPath, FByteLimit);
    // The lines before the first header are the first section of the empty name.
    bool inSection = name.empty();
    bool firstLine = true;
    while (const auto next = reader.Next()) {
        std::string_view line = *next;
        if (firstLine && line.starts_with(ByteOrderMark))
            line.remove_prefix(ByteOrderMark.size());
        firstLine = false;
        if (const auto header = HeaderName(line)) {
            if (inSection)
                break;
            inSection = SameName(*header, name);
        } else if (inSection) {
            section.Add(line);
        }
    }
    return section;
}
