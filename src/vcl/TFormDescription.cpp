#include "vcl/TFormDescription.h"

#include <cctype>
#include <charconv>
#include <memory>

EParserError::EParserError(int line, std::string_view problem)
    : Exception("Form description, line " + std::to_string(line) + ": " + std::string(problem))
{
}

namespace {

bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// Reads one line of the description at a time; every line is an object's start, its end or
// one property.
class TLineParser {
public:
    TLineParser(std::string_view line, int number) : FRest(line), FNumber(number) {}

    [[noreturn]] void Fail(std::string_view problem) const { throw EParserError(FNumber, problem); }

    bool AtEnd() { SkipSpaces(); return FRest.empty(); }

    bool Take(char c)
    {
        SkipSpaces();
        if (FRest.empty() || FRest.front() != c)
            return false;
        FRest.remove_prefix(1);
        return true;
    }

    void Expect(char c)
    {
        if (!Take(c))
            Fail(std::string("'") + c + "' expected");
    }

    // A name; with dots allowed, a property path such as "Font.Height".
    std::string Name(bool dotted = false)
    {
        SkipSpaces();
        std::size_t n = 0;
        while (n < FRest.size() && (IsNameChar(FRest[n]) || (dotted && FRest[n] == '.' && n > 0)))
            ++n;
        if (n == 0 || !IsNameStart(FRest.front()))
            Fail("a name expected");
        std::string name(FRest.substr(0, n));
        FRest.remove_prefix(n);
        return name;
    }

    TPropertyValue Value()
    {
        SkipSpaces();
        if (FRest.empty())
            Fail("a value expected");
        TPropertyValue value;
        const char first = FRest.front();
        if (first == '\'') {
            value.Kind = TPropertyValue::TKind::String;
            value.Text = String();
        } else if (first == '[') {
            value.Kind = TPropertyValue::TKind::Set;
            value.Members = Set();
        } else if (IsNameStart(first)) {
            value.Kind = TPropertyValue::TKind::Identifier;
            value.Text = Name();
        } else {
            value.Integer = Integer();
        }
        if (!AtEnd())
            Fail("unexpected text after the value");
        return value;
    }

private:
    void SkipSpaces()
    {
        while (!FRest.empty() && std::isspace(static_cast<unsigned char>(FRest.front())))
            FRest.remove_prefix(1);
    }

    std::string String()
    {
        FRest.remove_prefix(1);
        std::string text;
        for (;;) {
            const std::size_t quote = FRest.find('\'');
            if (quote == std::string_view::npos)
                Fail("the text has no closing quote");
            text += FRest.substr(0, quote);
            FRest.remove_prefix(quote + 1);
            if (FRest.empty() || FRest.front() != '\'')
                return text;
            text += '\'';
            FRest.remove_prefix(1);
        }
    }

    std::vector<std::string> Set()
    {
        FRest.remove_prefix(1);
        std::vector<std::string> members;
        if (Take(']'))
            return members;
        do
            members.push_back(Name());
        while (Take(','));
        Expect(']');
        return members;
    }

    // A decimal number, or a hexadecimal one after "$" (colours are often written so).
    std::int64_t Integer()
    {
        const bool negative = Take('-');
        const int base = Take('$') ? 16 : 10;
        std::int64_t magnitude = 0;
        const auto [end, error] = std::from_chars(FRest.data(), FRest.data() + FRest.size(), magnitude, base);
        if (error != std::errc() || end == FRest.data())
            Fail("a value expected");
        FRest.remove_prefix(static_cast<std::size_t>(end - FRest.data()));
        return negative ? -magnitude : magnitude;
    }

    std::string_view FRest;
    int FNumber;
};

} // namespace

TFormDescription TFormDescription::Parse(std::string_view text)
{
    std::unique_ptr<TFormDescription> root;
    std::vector<TFormDescription*> open; // the objects whose "end" is still to come
    int number = 0;
    while (!text.empty()) {
        const std::size_t lineEnd = text.find('\n');
        const std::string_view line = Trim(text.substr(0, lineEnd));
        text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 1);
        ++number;
        if (line.empty())
            continue;

        TLineParser parser(line, number);
        const std::string word = parser.Name(true);
        if (word == "object") {
            TFormDescription object;
            object.Line = number;
            object.Name = parser.Name();
            parser.Expect(':');
            object.ClassName = parser.Name();
            if (!parser.AtEnd())
                parser.Fail("unexpected text after the class name");
            if (open.empty()) {
                if (root)
                    parser.Fail("a second form in one description");
                root = std::make_unique<TFormDescription>(std::move(object));
                open.push_back(root.get());
            } else {
                open.back()->Children.push_back(std::move(object));
                open.push_back(&open.back()->Children.back());
            }
        } else if (word == "end") {
            if (open.empty() || !parser.AtEnd())
                parser.Fail("'end' without its object");
            open.pop_back();
        } else {
            if (open.empty())
                parser.Fail("a property outside any object");
            parser.Expect('=');
            open.back()->Properties.push_back({word, parser.Value(), number});
        }
    }
    if (!root)
        throw EParserError(number, "no object described");
    if (!open.empty())
        throw EParserError(number, "'end' of " + open.back()->Name + " missing");
    return std::move(*root);
}
