#include "core/Path.h"

#include <filesystem>
#include <system_error>

namespace {

#ifdef _WIN32
constexpr std::string_view PathSeparators = "\\/:";
#else
constexpr std::string_view PathSeparators = "/";
#endif

// Index just past the last separator, 0 when there is none.
std::size_t NameStart(const Text& path)
{
    const auto last = path.find_last_of(PathSeparators);
    return last == Text::npos ? 0 : last + 1;
}

} // namespace

Text ExtractFilePath(const Text& path)
{
    return path.substr(0, NameStart(path));
}

Text ExtractFileName(const Text& path)
{
    return path.substr(NameStart(path));
}

bool FileExists(const Text& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}
