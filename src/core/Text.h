#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A text is a string of single-byte characters, copied by value; its length counts bytes.
// Files are read and written byte for byte, so a text never carries an encoding of its own.
using Text = std::string;

// Positions in a text are 1-based and counts may be negative, as the conversion computes them
// from the positions it finds; a signed type keeps that arithmetic plain.
using TTextPos = std::ptrdiff_t;

// Position of the first occurrence of pattern in text, comparing bytes exactly (letter case
// counts). Gives 0 when pattern does not occur, when pattern is empty and when text is empty.
[[nodiscard]] TTextPos Find(std::string_view pattern, std::string_view text);

// The characters of text from position p, at most n of them, fewer when the text ends first.
// Empty when p is below 1 (a start below 1 is not moved to 1), when p is past the last
// character, or when n is 0 or below.
[[nodiscard]] Text Slice(std::string_view text, TTextPos p, TTextPos n);

// Slice(text, p, length of text): everything from position p to the end.
[[nodiscard]] Text Rest(std::string_view text, TTextPos p);

// Slice and Rest as views into text, for callers that cut one text many times; the view is valid
// only while text lives unchanged.
[[nodiscard]] std::string_view SliceView(std::string_view text, TTextPos p, TTextPos n);
[[nodiscard]] std::string_view RestView(std::string_view text, TTextPos p);
