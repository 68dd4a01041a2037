// A small window like the converter's bottom strip: a gradient with two flat buttons over it. The
// test checks a few pixels and keeps a picture for a person to look at.
#include "components/QovGradient.h"
#include "vcl/TForm.h"
#include "vcl/TPanel.h"
#include "vcl/TSpeedButton.h"
#include "vcl/WindowHarness.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr TColor Paper = 0x00FF00FF;
constexpr TColor ArrowInk = 0x00008000;
constexpr TColor CrossInk = 0x000000C0;

// An 18 x 18 glyph on magenta paper: a right-pointing arrow head or a diagonal cross. Its bottom-left
// pixel must be paper, since that pixel gives the transparent colour.
void DrawGlyph(TBitmap& glyph, bool arrow)
{
    glyph.SetSize(18, 18);
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const bool inside = x >= 3 && x <= 14 && y >= 3 && y <= 14;
            const bool ink = arrow ? x >= 4 && x - 4 <= 8 - std::abs(y - 9)
                                   : inside && (std::abs(x - y) <= 1 || std::abs(x + y - 17) <= 1);
            glyph.SetPixel(x, y, ink ? (arrow ? ArrowInk : CrossInk) : Paper);
        }
}

TSpeedButton* AddButton(TForm& form, TPanel* strip, int left, const char* caption, bool arrow)
{
    auto* button = new TSpeedButton(&form);
    button->SetParent(strip);
    button->SetBounds(left, 9, 97, 24);
    button->SetCaption(caption);
    button->SetFlat(true);
    button->Font()->SetStyle(fsBold);
    TBitmap glyph;
    DrawGlyph(glyph, arrow);
    button->SetGlyph(&glyph);
    return button;
}

} // namespace

TEST(Screenshot, GradientStripWithTwoFlatButtons)
{
    TForm form(nullptr);
    form.SetCaption("Gradient strip");
    form.SetClientWidth(300);
    form.SetClientHeight(41);
    auto* strip = new TPanel(&form);
    strip->SetParent(&form);
    strip->SetAlign(alClient);
    auto* gradient = new TQovGradient(&form);
    gradient->SetParent(strip);
    gradient->SetAlign(alClient);
    AddButton(form, strip, 20, " &Convert", true);
    TSpeedButton* quit = AddButton(form, strip, 180, "  &Quit", false);
    form.Show();
    WindowHarness::MouseEnter(quit); // the mouse rests on Quit: its raised frame shows

    TBitmap picture;
    WindowHarness::Grab(&form, picture);
    WindowHarness::SaveScreenshot(&form, MORVO_SCREENSHOT_DIR "/gradient-strip.png");

    EXPECT_EQ(picture.Pixel(1, 20), ColorToRGB(clBtnFace)) << "the gradient starts inside the panel's bevel";
    EXPECT_EQ(picture.Pixel(298, 20), clGray) << "and comes down to grey at its end";
    EXPECT_EQ(picture.Pixel(180, 9), ColorToRGB(clBtnHighlight)) << "Quit's raised frame";
    EXPECT_EQ(picture.Pixel(20, 9), picture.Pixel(20, 5)) << "Convert shows no frame";
    // Each glyph shows its ink, and the gradient through its paper.
    bool arrowSeen = false, crossSeen = false, paperSeen = false;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            arrowSeen |= picture.Pixel(x, y) == ArrowInk;
            crossSeen |= picture.Pixel(x, y) == CrossInk;
            paperSeen |= picture.Pixel(x, y) == Paper;
        }
    EXPECT_TRUE(arrowSeen);
    EXPECT_TRUE(crossSeen);
    EXPECT_FALSE(paperSeen);
}
