#pragma once

#include "core/LineList.h"
#include "core/ProfileReader.h"
#include "core/Text.h"

// The conversion of an old Morvo 51/52/53 file into the new "Morvo54.ini". The window's Convert
// command and the command-line tool both call these functions, so both write the same bytes and
// give the same outcomes. Platform errors (EFOpenError, EFCreateError, ECapacityError) leave the
// functions as exceptions; nothing here catches them.

// The outcome texts, as the user reads them.
inline constexpr char SavedMessage[] = "Saved as Morvo54.ini";
inline constexpr char RejectedMessage[] = "File must be a Morvo 51-53 file!";

// The name of the new file, written into the folder of the old one.
inline constexpr char OutputFileName[] = "Morvo54.ini";

enum class TConversionOutcome { Saved, Rejected };

struct TConversionResult {
    TConversionOutcome Outcome;
    Text Message; // SavedMessage or RejectedMessage
};

// The acceptance test on a whole path, folders included, with letter case counting: true when
// it holds "Morvo5" and does not hold "Morvo50".
[[nodiscard]] bool IsMorvoPath(const Text& chosenPath);

// The whole conversion of the file at chosenPath, a full path: builds the new lines (see
// BuildConversion) and saves them as SourceDir + "Morvo54.ini", replacing any file of that name.
// Gives Saved, or Rejected when there is no file at chosenPath or the path fails the acceptance
// test; a rejected run reads and writes nothing and changes none of its arguments.
// Throws what BuildConversion throws, and EFCreateError from the save (output then holds the
// new lines, and any earlier "Morvo54.ini" is untouched).
TConversionResult RunConversion(const Text& chosenPath, TLineList& input, TLineList& output,
                                Text& SourceDir, Text& DedicatedField);

// The conversion without the save. When chosenPath names a file and passes the acceptance test:
// sets SourceDir to the file's folder (with its trailing separator), loads into input the first
// 3000 lines of the file (all that the list sections look at), empties output and appends the
// new file's lines to it (settings, then the four list sections), setting DedicatedField on the
// way; gives true. Otherwise changes nothing and gives false. input and output are two lists.
// Throws EFOpenError when the file cannot be read and ECapacityError when it is larger than
// input.Capacity(): from the load, SourceDir is then set already and output is unchanged; in the
// rare case that the file fails only when its settings are read, output holds the header lines
// appended before.
[[nodiscard]] bool BuildConversion(const Text& chosenPath, TLineList& input, TLineList& output,
                                   Text& SourceDir, Text& DedicatedField);

// Saves output as SourceDir + "Morvo54.ini". Throws EFCreateError.
void SaveConversion(const TLineList& output, const Text& SourceDir);

// Appends the settings section to output: its header, the 18 setting lines read from the old
// section "MorvoConfigs" (with defaults and two fixed lines) and a separator line. Sets
// DedicatedField to "DedicatedOnly=" + the old Dedicated value + ",". Throws what the reader
// throws.
void AppendSettingsSection(const TProfileReader& settings, TLineList& output, Text& DedicatedField);

// Appends the player list, player ban, filter and triggers sections to output, each with its
// new header, the entries copied from the old section found in input and a separator line; each
// trigger entry goes through ConvertTriggerLine. Only the first 3000 lines of input are looked at.
void AppendListSections(const TLineList& input, TLineList& output, const Text& DedicatedField);

// Rewrites one old trigger entry into the new layout: DedicatedField goes in before the sound
// file field, "SoundFilename=" becomes "Filename=", the field after it is named "HideInMenu=",
// and everything after the Random value is dropped and replaced by ")". Purely textual, it never
// fails: any text gives a text.
[[nodiscard]] Text ConvertTriggerLine(Text entry, const Text& DedicatedField);
