#include "core/Text.h"

TTextPos Find(std::string_view pattern, std::string_view text)
{
    if (pattern.empty() || text.empty())
        return 0;
    const auto index = text.find(pattern);
    return index == std::string_view::npos ? 0 : static_cast<TTextPos>(index) + 1;
}

std::string_view SliceView(std::string_view text, TTextPos p, TTextPos n)
{
    const auto length = static_cast<TTextPos>(text.size());
    if (p < 1 || p > length || n <= 0)
        return {};
    return text.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(n));
}

std::string_view RestView(std::string_view text, TTextPos p)
{
    return SliceView(text, p, static_cast<TTextPos>(text.size()));
}

Text Slice(std::string_view text, TTextPos p, TTextPos n)
{
    return Text(SliceView(text, p, n));
}

Text Rest(std::string_view text, TTextPos p)
{
    return Text(RestView(text, p));
}
