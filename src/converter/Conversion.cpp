#include "converter/Conversion.h"

#include "core/Path.h"

#include <optional>
#include <string_view>

namespace {

// Closes each of the five sections of the new file: a line holding a lone CR, which the save
// follows with CR LF, so the file shows the bytes 13 13 10 there.
constexpr std::string_view SeparatorLine = "\r";

// ---- Settings section ------------------------------------------------------------------------

constexpr std::string_view OldSettingsSection = "MorvoConfigs";

// One line of the new settings section: Prefix followed by the old value of Key (or Default
// when the old file lacks it), or, for a line with no Key, Prefix alone.
struct TSettingLine {
    std::string_view Prefix;
    std::string_view Key;
    std::string_view Default;
};

constexpr TSettingLine SettingLines[] = {
    {"Morvopass=", "MorvoPass", ""},
    {"bMorvo=", "bMorvo", "True"},
    {"ShowTrigger=", "ShowTrigger", "False"},
    {"ShowToSelf=False", {}, {}},
    {"bAnnounce=", "bAnnounce", "True"},
    {"AnnounceOnce=True", {}, {}},
    {"NoSpecToPlayer=", "NoSpecToPlayer", "False"},
    {"Say24HourTime=", "Say24HourTime", "False"},
    {"InGameMorvo=", "InGameMorvo", "True"},
    {"UseChatLog=", "UseChatLog", "False"},
    {"UseChatFilter=", "UseChatFilter", "False"},
    {"UsePlayerList=", "UsePlayerList", "False"},
    {"bBotsTalk=", "bBotsTalk", "False"},
    {"SoundDelay=", "SoundDelay", "5"},
    {"LoginDelay=", "LoginDelay", "3"},
    {"DelaysEach=", "DelaysEach", "0"},
    {"SoundsEach=", "SoundsEach", "30"},
    {"RepeatDelay=", "RepeatDelay", "0"},
};

// ---- List sections ---------------------------------------------------------------------------

// Only the first 3000 lines of the old file are ever looked at, by the search and the copy alike.
constexpr std::size_t LineWindow = 3000;

enum class TEntryCopy { Unchanged, TriggerRewrite };

struct TListSection {
    std::string_view OldHeaderSuffix; // found at position 2 or later of the old header line
    std::string_view NewHeader;
    TEntryCopy Copy;
};

constexpr TListSection ListSections[] = {
    {".MPlayerList]", "[Morvo54.MorvoPlayerList]", TEntryCopy::Unchanged},
    {".MPlayerBan]", "[Morvo54.MorvoPlayerBan]", TEntryCopy::Unchanged},
    {".MorvoFilter]", "[Morvo54.MorvoFilter]", TEntryCopy::Unchanged},
    {".MTriggers]", "[Morvo54.MorvoTriggers]", TEntryCopy::TriggerRewrite},
};

// The index of the first line holding suffix at position 2 or later: a line that merely starts
// with it is not a header.
std::optional<std::size_t> FindOldHeader(const TLineList& input, std::string_view suffix)
{
    for (std::size_t index = 0; index < LineWindow; ++index)
        if (Find(suffix, input.Strings(index)) > 1)
            return index;
    return std::nullopt;
}

// An old section ends at an empty line (the end of the file reads as one) or at a line whose
// first "]" stands at position 2 or later, such as the next section's header.
bool EndsSection(std::string_view line)
{
    return line.empty() || Find("]", line) > 1;
}

void AppendListSection(const TListSection& section, const TLineList& input, TLineList& output,
                       const Text& DedicatedField)
{
    output.Add(section.NewHeader);
    if (const auto header = FindOldHeader(input, section.OldHeaderSuffix)) {
        for (std::size_t index = *header + 1; index < LineWindow; ++index) {
            const std::string_view entry = input.Strings(index);
            if (EndsSection(entry))
                break;
            if (section.Copy == TEntryCopy::TriggerRewrite)
                output.Add(ConvertTriggerLine(Text(entry), DedicatedField));
            else
                output.Add(entry);
        }
    }
    output.Add(SeparatorLine);
}

// ---- Trigger entry rewrite -------------------------------------------------------------------

constexpr std::string_view SoundFileMarker = "SoundFilename=";
constexpr std::string_view RandomMarker = ",Random=";

constexpr TTextPos Length(std::string_view text)
{
    return static_cast<TTextPos>(text.size());
}

} // namespace

bool IsMorvoPath(const Text& chosenPath)
{
    return Find("Morvo5", chosenPath) != 0 && Find("Morvo50", chosenPath) < 1;
}

TConversionResult RunConversion(const Text& chosenPath, TLineList& input, TLineList& output,
                                Text& SourceDir, Text& DedicatedField)
{
    if (!BuildConversion(chosenPath, input, output, SourceDir, DedicatedField))
        return {TConversionOutcome::Rejected, RejectedMessage};
    SaveConversion(output, SourceDir);
    return {TConversionOutcome::Saved, SavedMessage};
}

bool BuildConversion(const Text& chosenPath, TLineList& input, TLineList& output,
                     Text& SourceDir, Text& DedicatedField)
{
    // A path that names no file (a typed name, a folder) fails the test like a foreign file.
    const Text chosen = FileExists(chosenPath) ? chosenPath : Text();
    if (!IsMorvoPath(chosen))
        return false;

    SourceDir = ExtractFilePath(chosen);
    const Text fileName = ExtractFileName(chosen);
    // The list sections look at the first lines only, so only those are read and kept: a long
    // file converts in the time it takes to read its head.
    input.LoadFromFile(SourceDir + fileName, LineWindow);
    output.Clear();
    {
        const TProfileReader settings(SourceDir + fileName, input.Capacity());
        AppendSettingsSection(settings, output, DedicatedField);
    }
    AppendListSections(input, output, DedicatedField);
    return true;
}

void SaveConversion(const TLineList& output, const Text& SourceDir)
{
    output.SaveToFile(SourceDir + OutputFileName);
}

void AppendSettingsSection(const TProfileReader& settings, TLineList& output, Text& DedicatedField)
{
    output.Add("[Morvo54.MorvoConfigs]");
    for (const TSettingLine& line : SettingLines) {
        if (line.Key.empty())
            output.Add(line.Prefix);
        else
            output.Add(Text(line.Prefix) + settings.ReadString(OldSettingsSection, line.Key, line.Default));
    }
    // The old Dedicated setting gives no line here: it goes into every trigger entry instead.
    DedicatedField = "DedicatedOnly=" + settings.ReadString(OldSettingsSection, "Dedicated", "True") + ",";
    output.Add(SeparatorLine);
}

void AppendListSections(const TLineList& input, TLineList& output, const Text& DedicatedField)
{
    for (const TListSection& section : ListSections)
        AppendListSection(section, input, output, DedicatedField);
}

// The entry is cut at the first occurrence of each marker in turn, what is left of it after each
// cut being the remainder. Missing markers give position 0, and the counts computed from it are
// kept as they fall: that is what old files with odd entries have always been converted to.
Text ConvertTriggerLine(Text entry, const Text& DedicatedField)
{
    std::string_view remainder = entry;
    Text result;
    result.reserve(entry.size() + DedicatedField.size() + 32);

    // The head, everything before the sound file field; without the marker, the first 13
    // characters are dropped.
    const TTextPos soundFile = Find(SoundFileMarker, remainder);
    result += SliceView(remainder, 1, soundFile - 1);
    remainder = RestView(remainder, soundFile + Length(SoundFileMarker));
    result += DedicatedField;
    result += "Filename=";

    // The file name with its comma.
    const TTextPos fileNameEnd = Find(",", remainder);
    result += SliceView(remainder, 1, fileNameEnd);
    remainder = RestView(remainder, fileNameEnd + 1);

    // The next field's name is dropped with its "="; its value and comma are kept.
    const TTextPos nameEnd = Find("=", remainder);
    remainder = RestView(remainder, nameEnd + 1);
    const TTextPos valueEnd = Find(",", remainder);
    result += "HideInMenu=";
    result += SliceView(remainder, 1, valueEnd);
    remainder = RestView(remainder, valueEnd + 1);

    // Everything through ",Random=". Without that marker the first 7 characters, the length of
    // "Random=", so a Random field right after the HideInMenu field is kept whole.
    const TTextPos random = Find(RandomMarker, remainder);
    result += SliceView(remainder, 1, random + Length(RandomMarker) - 1);
    remainder = RestView(remainder, random + Length(RandomMarker));

    // The Random value ends at the next "," or, failing that, at the next ")".
    TTextPos randomEnd = Find(",", remainder);
    if (randomEnd == 0)
        randomEnd = Find(")", remainder);
    result += SliceView(remainder, 1, randomEnd - 1);
    result += ")";
    return result;
}
