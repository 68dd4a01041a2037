#include "vcl/TextLines.h"

#include <cctype>

namespace {

// Appends the lines of one paragraph (text without line ends), broken between words so that each
// fits the width where it can.
void WrapParagraph(std::string_view paragraph, int wrapWidth, const TTextWidth& widthOf,
                   std::vector<std::string_view>& lines)
{
    while (true) {
        // Grow the line word by word while it fits; the first word always goes on it.
        std::size_t end = paragraph.find_first_not_of(' ');
        end = end == std::string_view::npos ? paragraph.size() : paragraph.find(' ', end);
        end = end == std::string_view::npos ? paragraph.size() : end;
        while (end < paragraph.size()) {
            std::size_t next = paragraph.find_first_not_of(' ', end);
            if (next == std::string_view::npos)
                break; // only blanks follow: they end the line
            next = paragraph.find(' ', next);
            next = next == std::string_view::npos ? paragraph.size() : next;
            if (widthOf(paragraph.substr(0, next)) > wrapWidth)
                break;
            end = next;
        }
        if (end >= paragraph.size() || paragraph.find_first_not_of(' ', end) == std::string_view::npos) {
            lines.push_back(paragraph);
            return;
        }
        lines.push_back(paragraph.substr(0, end));
        paragraph.remove_prefix(paragraph.find_first_not_of(' ', end));
    }
}

} // namespace

std::vector<std::string_view> TextLines(std::string_view text, int wrapWidth, const TTextWidth& widthOf)
{
    std::vector<std::string_view> lines;
    if (text.empty())
        return lines;
    while (true) {
        const std::size_t lineEnd = text.find_first_of("\r\n");
        const std::string_view paragraph = text.substr(0, lineEnd);
        if (wrapWidth >= 0 && !paragraph.empty())
            WrapParagraph(paragraph, wrapWidth, widthOf, lines);
        else
            lines.push_back(paragraph);
        if (lineEnd == std::string_view::npos)
            return lines;
        const bool crLf = text[lineEnd] == '\r' && lineEnd + 1 < text.size() && text[lineEnd + 1] == '\n';
        text.remove_prefix(lineEnd + (crLf ? 2 : 1));
    }
}

char AccelChar(std::string_view text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return 0;
}

std::string WithoutAccelMarks(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&')
            shown += text[i];
        else if (i + 1 < text.size() && text[i + 1] == '&')
            shown += text[++i];
    }
    return shown;
}
