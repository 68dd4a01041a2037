#include "core/Path.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(Path, SplitsAtTheLastHostSeparator)
{
    struct TCase {
        Text Path, Folder, Name;
    };
    const TCase cases[] = {
        {"/games/Morvo53.ini", "/games/", "Morvo53.ini"},
        {"/Morvo5x/old.ini", "/Morvo5x/", "old.ini"},
        {"Morvo53.ini", "", "Morvo53.ini"},
        {"/games/", "/games/", ""},
        {"/", "/", ""},
        {"", "", ""},
        // "\" and ":" are ordinary characters of a Linux file name.
        {"/games/C:\\Morvo5x\\old.ini", "/games/", "C:\\Morvo5x\\old.ini"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.Path), c.Folder) << c.Path;
        EXPECT_EQ(ExtractFileName(c.Path), c.Name) << c.Path;
    }
}

TEST(Path, FileExistsOnlyForFiles)
{
    const TTempFolder folder;
    const Text file = folder.Write("Morvo53.ini", "x");
    std::filesystem::create_directory(folder / "Morvo52.ini");
    std::filesystem::create_symlink(file, folder / "link.ini");
    std::filesystem::create_symlink(folder / "gone.ini", folder / "dangling.ini");

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(folder / "link.ini"));
    EXPECT_FALSE(FileExists(folder / "Morvo52.ini"));
    EXPECT_FALSE(FileExists(folder / "Morvo51.ini"));
    EXPECT_FALSE(FileExists(folder / "dangling.ini"));
    EXPECT_FALSE(FileExists(""));
}
