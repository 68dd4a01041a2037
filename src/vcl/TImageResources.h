#pragma once
// The pictures built into the program, found by name as the platform finds a module's resources
// (the window icon "MAINICON", the button glyphs). Each is XPM text: rows of characters, one per
// pixel, after a table of what colour each character stands for.

#include <string_view>

class TImageResources {
public:
    using TXpm = const char* const*;

    // Makes a picture known by name; the program's resource file does it as the program starts.
    static void Register(std::string_view name, TXpm picture);
    // The picture of that name (letter case ignored, as the platform does), or null.
    static TXpm Find(std::string_view name);
};
