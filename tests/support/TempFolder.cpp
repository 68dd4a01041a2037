#include "TempFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

TTempFolder::TTempFolder()
{
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    do
        FPath = base / ("morvo-test-" + std::to_string(random()));
    while (!std::filesystem::create_directory(FPath));
}

TTempFolder::~TTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
}

std::string TTempFolder::Write(const std::string& relative, std::string_view bytes) const
{
    const auto path = FPath / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

std::string TTempFolder::operator/(const std::string& relative) const
{
    return (FPath / relative).string();
}

std::string TTempFolder::Listing(const std::string& relative) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(FPath / relative))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string listing;
    for (const auto& name : names)
        listing += (listing.empty() ? "" : " ") + name;
    return listing;
}

std::string ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
