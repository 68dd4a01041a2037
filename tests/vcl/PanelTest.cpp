#include "vcl/TForm.h"
#include "vcl/TPanel.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>

TEST(Panel, BevelRunsAlongTheOuterEdges)
{
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 30, 20);
    TBitmap picture;
    WindowHarness::Grab(panel, picture);

    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow), face = ColorToRGB(clBtnFace);
    EXPECT_EQ(picture.Pixel(0, 10), light);
    EXPECT_EQ(picture.Pixel(15, 0), light);
    EXPECT_EQ(picture.Pixel(29, 10), dark);
    EXPECT_EQ(picture.Pixel(15, 19), dark);
    EXPECT_EQ(picture.Pixel(28, 18), face);
}
