#include "vcl/TImageResources.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

namespace {

std::string UpperCase(std::string_view name)
{
    std::string upper(name);
    std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

// Built on first use, so that registrations from any start-up code find it ready.
std::map<std::string, TImageResources::TXpm, std::less<>>& Table()
{
    static std::map<std::string, TImageResources::TXpm, std::less<>> table;
    return table;
}

} // namespace

void TImageResources::Register(std::string_view name, TXpm picture)
{
    Table()[UpperCase(name)] = picture;
}

TImageResources::TXpm TImageResources::Find(std::string_view name)
{
    const auto found = Table().find(UpperCase(name));
    return found == Table().end() ? nullptr : found->second;
}
