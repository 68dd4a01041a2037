#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

// A folder of the fuzzing process's own, for the files an input is written to; removed when the
// process ends. It lives in memory (/dev/shm) where there is such a place: thousands of files a
// second would otherwise keep the disk busy.
class TFuzzFolder {
public:
    TFuzzFolder()
        : FPath(Base() / ("morvo-fuzz-" + std::to_string(getpid())))
    {
        std::filesystem::create_directories(FPath);
    }
    ~TFuzzFolder() { std::filesystem::remove_all(FPath); }

    // Writes bytes to the file name in the folder and gives its full path.
    std::string Write(const std::string& name, std::string_view bytes) const
    {
        const auto path = FPath / name;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    std::string operator/(const std::string& name) const { return (FPath / name).string(); }

private:
    static std::filesystem::path Base()
    {
        std::error_code error;
        return std::filesystem::is_directory("/dev/shm", error) ? std::filesystem::path("/dev/shm")
                                                                 : std::filesystem::temp_directory_path();
    }

    std::filesystem::path FPath;
};

// Stops the run with a report when a property of the program does not hold.
#define FUZZ_CHECK(condition)                                                       \
    do {                                                                            \
        if (!(condition)) {                                                         \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                           \
        }                                                                           \
    } while (false)
