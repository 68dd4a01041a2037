#pragma once
// Breaking a text into the lines that DrawTextA shows, apart from any font.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The width of a run of text in pixels.
using TTextWidth = std::function<int(std::string_view text)>;

// Splits the text at CR LF, CR and LF. With a wrap width of 0 or more, a line wider than that
// is also broken between words (at blanks, which are dropped at the break); a word that is wider
// on its own stays whole on its line. An empty text has no lines.
std::vector<std::string_view> TextLines(std::string_view text, int wrapWidth, const TTextWidth& widthOf);

// The text as it shows with accelerator marks: "&&" stands for "&", any other "&" is dropped.
std::string WithoutAccelMarks(std::string_view text);

// The character that a single "&" marks in the text (the key that presses a button with that
// caption), upper-cased; 0 when there is none.
char AccelChar(std::string_view text);
