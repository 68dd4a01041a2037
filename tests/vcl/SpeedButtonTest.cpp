#include "vcl/TForm.h"
#include "vcl/TSpeedButton.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor Background = clMaroon;
constexpr TColor GlyphInk = clBlue;
constexpr TColor GlyphPaper = 0x00FF00FF; // magenta, the glyph's transparent colour

struct SpeedButtonTest : testing::Test {
    TForm form{nullptr};
    TSpeedButton* button = new TSpeedButton(&form);
    TBitmap picture;
    int clicks = 0;

    SpeedButtonTest()
    {
        form.SetColor(Background);
        button->SetParent(&form);
        button->SetBounds(10, 10, 40, 22);
        button->OnClick = [this](TObject*) { ++clicks; };
    }
    void Grab() { WindowHarness::Grab(button, picture); }
    // An 8 x 8 glyph: a 4 x 4 ink square in its top-left corner, transparent paper elsewhere.
    void GiveGlyph()
    {
        TBitmap glyph;
        glyph.SetSize(8, 8);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                glyph.SetPixel(x, y, x < 4 && y < 4 ? GlyphInk : GlyphPaper);
        button->SetGlyph(&glyph);
    }
    // The leftmost column that shows glyph ink, or -1.
    int GlyphLeft()
    {
        Grab();
        for (int x = 0; x < picture.Width(); ++x)
            for (int y = 0; y < picture.Height(); ++y)
                if (picture.Pixel(x, y) == GlyphInk)
                    return x;
        return -1;
    }
};

} // namespace

TEST_F(SpeedButtonTest, NewButtonHasThePlatformDefaults)
{
    TSpeedButton fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 23);
    EXPECT_EQ(fresh.Height(), 22);
    EXPECT_EQ(fresh.Spacing(), 4);
    EXPECT_FALSE(fresh.Flat());
    EXPECT_TRUE(fresh.Transparent());
    EXPECT_TRUE(fresh.Glyph()->Empty());
}

TEST_F(SpeedButtonTest, FlatButtonShowsItsFrameOnlyUnderTheMouse)
{
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    button->SetFlat(true);
    Grab();
    EXPECT_EQ(picture.Pixel(0, 0), Background);
    EXPECT_EQ(picture.Pixel(39, 21), Background);

    WindowHarness::MouseEnter(button);
    Grab();
    EXPECT_EQ(picture.Pixel(0, 0), light) << "raised";
    EXPECT_EQ(picture.Pixel(39, 21), dark);

    WindowHarness::MouseDown(button, 5, 5);
    Grab();
    EXPECT_EQ(picture.Pixel(0, 0), dark) << "sunken while pressed";
    EXPECT_EQ(picture.Pixel(39, 21), light);

    WindowHarness::MouseUp(button, 5, 5);
    WindowHarness::MouseLeave(button);
    Grab();
    EXPECT_EQ(picture.Pixel(0, 0), Background);
}

TEST_F(SpeedButtonTest, TransparentButtonLetsTheBackgroundShow)
{
    button->SetFlat(true);
    Grab();
    EXPECT_EQ(picture.Pixel(20, 11), Background);
    button->SetTransparent(false);
    Grab();
    EXPECT_EQ(picture.Pixel(20, 11), ColorToRGB(clBtnFace));
}

TEST_F(SpeedButtonTest, ClickComesOnReleaseInside)
{
    WindowHarness::MouseDown(button, 5, 5);
    EXPECT_EQ(clicks, 0);
    WindowHarness::MouseUp(button, 5, 5);
    EXPECT_EQ(clicks, 1);

    WindowHarness::MouseDown(button, 5, 5);
    WindowHarness::MouseUp(button, 60, 5);
    EXPECT_EQ(clicks, 1) << "released outside";
    WindowHarness::MouseUp(button, 5, 5);
    EXPECT_EQ(clicks, 1) << "released without a press";

    WindowHarness::Click(button);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtonTest, GlyphPaperColourIsTransparent)
{
    button->SetFlat(true);
    GiveGlyph();
    // Alone, the 8 x 8 glyph stands in the middle of the 40 x 22 button.
    EXPECT_EQ(GlyphLeft(), 16);
    EXPECT_EQ(picture.Pixel(16, 7), GlyphInk);
    EXPECT_EQ(picture.Pixel(23, 14), Background) << "the glyph's paper shows what is behind";
}

TEST_F(SpeedButtonTest, SpacingSeparatesGlyphAndCaption)
{
    GiveGlyph();
    button->SetCaption("Go");
    button->SetSpacing(0);
    const int close = GlyphLeft();
    button->SetSpacing(10);
    const int apart = GlyphLeft();
    // Glyph and caption stay centred together: the glyph moves left by half the extra space.
    EXPECT_EQ(close - apart, 5);
}

TEST_F(SpeedButtonTest, AmpersandUnderlinesTheNextLetter)
{
    button->SetFlat(true);
    button->SetCaption("W");
    Grab();
    TBitmap plain;
    plain.Assign(picture);
    button->SetCaption("&W");
    Grab();

    // The same letter, with extra ink only below it.
    int firstChangedRow = -1;
    for (int y = 0; y < picture.Height() && firstChangedRow < 0; ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.Pixel(x, y) != plain.Pixel(x, y)) {
                firstChangedRow = y;
                break;
            }
    ASSERT_GE(firstChangedRow, 0) << "no underline drawn";
    EXPECT_GT(firstChangedRow, 11) << "the letter itself changed";
}
