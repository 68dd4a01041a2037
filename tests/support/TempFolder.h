#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A new, empty folder for one test, removed with everything in it when the test ends. Its path
// holds neither "Morvo5" nor "Morvo50", so the folders a test makes inside it decide whether a
// path is accepted.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const { return FPath; }

    // Writes bytes to the file at relative (making its folders) and gives the file's full path.
    std::string Write(const std::string& relative, std::string_view bytes) const;

    // The full path of relative, which need not exist.
    [[nodiscard]] std::string operator/(const std::string& relative) const;

    // The names of the entries of the folder at relative, sorted.
    [[nodiscard]] std::string Listing(const std::string& relative = ".") const;

private:
    std::filesystem::path FPath;
};

// The whole content of the file at path, or "<missing>" when it cannot be read.
[[nodiscard]] std::string ReadFileBytes(const std::filesystem::path& path);
