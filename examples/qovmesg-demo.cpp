// qovmesg-demo: shows one message dialog of the QovMesg component and prints the modal result of
// the button that closed it (1 OK, 2 Cancel or the close box, 6 Yes, 7 No...). For programmers
// who want to see what a call of the component gives, and for trying the dialog by hand.
//
// The component starts with the converter window's settings: warning symbol, white-to-silver
// horizontal gradient, flat buttons, "MS Sans Serif" 8 points for text and buttons, no sound.
#include "components/QovMesg.h"
#include "vcl/TApplication.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr const char* Usage =
    "usage: qovmesg-demo [--show-message] [--symbol warning|error|information|confirmation|none]\n"
    "                    [--caption TEXT] [--buttons LIST] [--x N] [--y N]\n"
    "                    [--clear-buttons true|false] [--colors RRGGBB,RRGGBB] [--vertical] TEXT\n"
    "\n"
    "Shows TEXT with ShowMessage (--show-message: information symbol, one OK button, centred) or\n"
    "with MessageShow (the caption, the button list such as \"mbYes,mbNo\" and the position given;\n"
    "defaults: no caption, \"mbOk\", -1 and -1 for centred), then prints the modal result.\n"
    "--colors are the gradient's begin and end colours as red, green and blue in hex; equal colours\n"
    "give no gradient. Texts are shown as Windows-1252 bytes; \"--\" ends the options.\n";

// A mistake on the command line; its text goes to the user with the usage.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct DemoOptions {
    bool ShowMessage = false;
    TSymbol Symbol = dgWarning;
    std::string Caption;
    std::string Buttons = "mbOk";
    int X = -1;
    int Y = -1;
    bool ClearButtons = true;
    TColor ColorBegin = clWhite;
    TColor ColorEnd = clSilver;
    bool Vertical = false;
    std::string Text;
};

int ParseNumber(std::string_view option, std::string_view value)
{
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size())
        throw UsageError(std::string(option) + " wants a whole number, not \"" + std::string(value) + "\"");
    return number;
}

TSymbol ParseSymbol(std::string_view value)
{
    const std::pair<std::string_view, TSymbol> names[] = {
        {"warning", dgWarning},         {"error", dgError}, {"information", dgInformation},
        {"confirmation", dgConfirmation}, {"none", dgNone},
    };
    for (const auto& [name, symbol] : names)
        if (value == name)
            return symbol;
    throw UsageError("--symbol wants warning, error, information, confirmation or none, not \"" +
                     std::string(value) + "\"");
}

bool ParseBool(std::string_view option, std::string_view value)
{
    if (value == "true")
        return true;
    if (value == "false")
        return false;
    throw UsageError(std::string(option) + " wants true or false, not \"" + std::string(value) + "\"");
}

// "RRGGBB" as the platform's 0x00BBGGRR colour.
std::optional<TColor> ParseRgb(std::string_view hex)
{
    unsigned rgb = 0;
    const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), rgb, 16);
    if (hex.size() != 6 || error != std::errc() || end != hex.data() + hex.size())
        return std::nullopt;
    return static_cast<TColor>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

std::pair<TColor, TColor> ParseColors(std::string_view value)
{
    const std::size_t comma = value.find(',');
    const auto begin = ParseRgb(value.substr(0, comma));
    const auto end = comma == std::string_view::npos ? std::nullopt : ParseRgb(value.substr(comma + 1));
    if (!begin || !end)
        throw UsageError("--colors wants two colours as RRGGBB,RRGGBB, not \"" + std::string(value) + "\"");
    return {*begin, *end};
}

DemoOptions ParseOptions(const std::vector<std::string_view>& args)
{
    DemoOptions options;
    std::vector<std::string_view> texts;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !arg.starts_with("--")) {
            texts.push_back(arg);
            continue;
        }
        auto value = [&]() -> std::string_view {
            if (i + 1 >= args.size())
                throw UsageError(std::string(arg) + " wants a value");
            return args[++i];
        };
        if (arg == "--")
            optionsEnded = true;
        else if (arg == "--show-message")
            options.ShowMessage = true;
        else if (arg == "--symbol")
            options.Symbol = ParseSymbol(value());
        else if (arg == "--caption")
            options.Caption = value();
        else if (arg == "--buttons")
            options.Buttons = value();
        else if (arg == "--x")
            options.X = ParseNumber(arg, value());
        else if (arg == "--y")
            options.Y = ParseNumber(arg, value());
        else if (arg == "--clear-buttons")
            options.ClearButtons = ParseBool(arg, value());
        else if (arg == "--colors")
            std::tie(options.ColorBegin, options.ColorEnd) = ParseColors(value());
        else if (arg == "--vertical")
            options.Vertical = true;
        else
            throw UsageError("unknown option " + std::string(arg));
    }
    if (texts.size() != 1)
        throw UsageError(texts.empty() ? "no TEXT to show" : "one TEXT only; quote a text with blanks");
    options.Text = texts.front();
    return options;
}

// The converter window's fonts: "MS Sans Serif", height -11, window text colour, regular.
void SetWindowFont(TFont& font)
{
    font.SetCharset(DEFAULT_CHARSET);
    font.SetColor(clWindowText);
    font.SetHeight(-11);
    font.SetName("MS Sans Serif");
    font.SetStyle(0);
}

int ShowDialog(const DemoOptions& options)
{
    TQovMesg QovMesg1(nullptr);
    TFont font;
    SetWindowFont(font);
    QovMesg1.SetFontText(&font);
    QovMesg1.SetFontButton(&font);
    QovMesg1.SetSoundNum(-1);
    QovMesg1.SetSymbol(options.Symbol);
    QovMesg1.SetClearButtons(options.ClearButtons);
    QovMesg1.SetColorGradient1(options.ColorBegin);
    QovMesg1.SetColorGradient2(options.ColorEnd);
    QovMesg1.SetVerticalGradient(options.Vertical);
    if (options.ShowMessage)
        return QovMesg1.ShowMessage(options.Text);
    return QovMesg1.MessageShow(options.Text, options.Caption, options.Buttons, options.X, options.Y);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::cout << Usage;
        return 0;
    }
    DemoOptions options;
    try {
        options = ParseOptions(args);
    } catch (const UsageError& error) {
        std::cerr << "qovmesg-demo: " << error.what() << "\n\n" << Usage;
        return 2;
    }

    int status = 0;
    Application->Initialize();
    try {
        std::cout << ShowDialog(options) << std::endl;
    } catch (const std::exception& error) {
        std::cerr << "qovmesg-demo: " << error.what() << "\n";
        status = 1;
    }
    Application->Finalize();
    return status;
}
