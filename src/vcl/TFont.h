#pragma once
// A font description: face name, height, style, colour and character set. Controls and components
// own their fonts and copy attributes into them (Assign); OnChange tells the owner to show them.

#include "vcl/Types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = std::uint8_t;

using TFontCharset = std::uint8_t;
constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;

class TFont : public TObject {
public:
    // The platform's default font: "MS Sans Serif", 8 points (height -11 at 96 pixels per inch).
    TFont() = default;

    // Copies every attribute of the source and signals one change.
    void Assign(const TFont& source);

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // Negative: the character height in pixels without internal leading; positive: the cell height.
    int Height() const { return FHeight; }
    void SetHeight(int value);
    const std::string& Name() const { return FName; }
    void SetName(std::string_view value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);
    // The size in points at 96 pixels per inch; setting it sets Height.
    int Size() const;
    void SetSize(int points);

    bool operator==(const TFont& other) const;

    std::function<void()> OnChange;

private:
    void Changed();

    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int FHeight = -11;
    std::string FName = "MS Sans Serif";
    TFontStyles FStyle = 0;
};
