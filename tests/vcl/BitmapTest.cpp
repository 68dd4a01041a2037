#include "core/Exception.h"
#include "vcl/EInvalidGraphic.h"
#include "vcl/TBitmap.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

struct BitmapTest : testing::Test {
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("morvo-bitmap-" + std::to_string(getpid()) + "-" +
                                    testing::UnitTest::GetInstance()->current_test_info()->name());
    BitmapTest() { std::filesystem::create_directories(folder); }
    ~BitmapTest() override { std::filesystem::remove_all(folder); }
    std::string PathOf(const char* name) const { return (folder / name).string(); }
};

} // namespace

TEST_F(BitmapTest, PicturesSurviveSavingAndLoading)
{
    TBitmap picture;
    picture.SetSize(3, 2);
    picture.SetPixel(0, 0, clRed);
    picture.SetPixel(2, 1, 0x00123456);
    for (const char* name : {"picture.png", "picture.PNG", "picture.bmp"}) {
        SCOPED_TRACE(name);
        picture.SaveToFile(PathOf(name));
        TBitmap loaded;
        loaded.LoadFromFile(PathOf(name));
        EXPECT_EQ(loaded.Width(), 3);
        EXPECT_EQ(loaded.Height(), 2);
        EXPECT_EQ(loaded.Pixel(0, 0), clRed);
        EXPECT_EQ(loaded.Pixel(1, 0), clBlack);
        EXPECT_EQ(loaded.Pixel(2, 1), 0x00123456);
    }
    std::ifstream png(PathOf("picture.png"), std::ios::binary);
    char signature[4] = {};
    png.read(signature, 4);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST_F(BitmapTest, PixelsOutsideThePictureAreIgnored)
{
    TBitmap picture;
    picture.SetSize(2, 2);
    picture.SetPixel(2, 0, clRed);
    picture.SetPixel(-1, 0, clRed);
    EXPECT_EQ(picture.Pixel(2, 0), -1);
    EXPECT_EQ(picture.Pixel(0, -1), -1);
    EXPECT_EQ(picture.Pixel(1, 1), clBlack);
}

TEST_F(BitmapTest, FailuresNameTheFileAndKeepThePicture)
{
    TBitmap picture;
    picture.SetSize(2, 2);
    {
        std::ofstream text(PathOf("not-a-picture.bmp"));
        text << "hello";
    }
    const std::string missing = PathOf("missing.bmp");
    EXPECT_THROW(
        try { picture.LoadFromFile(missing); } catch (const EFOpenError& e) {
            EXPECT_EQ(e.Message(), "Cannot open file " + missing);
            throw;
        },
        EFOpenError);
    EXPECT_THROW(picture.LoadFromFile(PathOf("not-a-picture.bmp")), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(folder.string()), Exception) << "a folder";
    EXPECT_EQ(picture.Width(), 2);

    EXPECT_THROW(picture.SaveToFile(PathOf("no-such-folder/picture.png")), EFCreateError);
}
