#include "vcl/TForm.h"
#include "vcl/TGraphicControl.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// Calls GradientFill with its vertices when it paints.
class TFillProbe : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    std::vector<TRIVERTEX> Vertices;
    ULONG Mode = GRADIENT_FILL_RECT_H;
    BOOL Result = -1;

    void Paint() override
    {
        const GRADIENT_RECT mesh = {0, 1};
        Result = GradientFill(Canvas()->Handle(), Vertices.data(), static_cast<ULONG>(Vertices.size()), &mesh, 1, Mode);
    }
};

TRIVERTEX Vertex(LONG x, LONG y, int gray) { return {x, y, COLOR16(gray << 8), COLOR16(gray << 8), COLOR16(gray << 8), 0}; }
TColor Gray(int level) { return level | (level << 8) | (level << 16); }

struct GradientFillTest : testing::Test {
    TForm form{nullptr};
    TFillProbe* probe = new TFillProbe(&form);
    TBitmap picture;

    GradientFillTest()
    {
        form.SetColor(clRed);
        probe->SetParent(&form);
        probe->SetBounds(0, 0, 4, 3);
    }
    void Paint(std::vector<TRIVERTEX> vertices, ULONG mode)
    {
        probe->Vertices = std::move(vertices);
        probe->Mode = mode;
        WindowHarness::Grab(probe, picture);
    }
};

} // namespace

TEST_F(GradientFillTest, EachColumnStepsFromTheFirstColourTowardsTheLast)
{
    // Four columns from black to white: 0, 1/4, 2/4 and 3/4 of the way, on every row.
    Paint({Vertex(0, 0, 0), Vertex(4, 3, 255)}, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(probe->Result, 1);
    for (int y = 0; y < 3; ++y) {
        EXPECT_EQ(picture.Pixel(0, y), Gray(0));
        EXPECT_EQ(picture.Pixel(1, y), Gray(63));
        EXPECT_EQ(picture.Pixel(2, y), Gray(127));
        EXPECT_EQ(picture.Pixel(3, y), Gray(191));
    }
}

TEST_F(GradientFillTest, FallingColoursAndRowsStepTheSameWay)
{
    Paint({Vertex(0, 0, 255), Vertex(4, 3, 0)}, GRADIENT_FILL_RECT_V);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(picture.Pixel(x, 0), Gray(255));
        EXPECT_EQ(picture.Pixel(x, 1), Gray(170));
        EXPECT_EQ(picture.Pixel(x, 2), Gray(85));
    }
}

TEST_F(GradientFillTest, ChannelsAreInterpolatedApart)
{
    const TRIVERTEX from = {0, 0, 0xFF00, 0x0000, 0x8000, 0};
    const TRIVERTEX to = {4, 3, 0x0000, 0xFF00, 0x8000, 0};
    Paint({from, to}, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(picture.Pixel(0, 1), 0x8000FF);
    EXPECT_EQ(picture.Pixel(2, 1), 0x807F7F);
}

TEST_F(GradientFillTest, ColoursFollowTheirVerticesWhenGivenRightToLeft)
{
    Paint({Vertex(4, 3, 255), Vertex(0, 0, 0)}, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(picture.Pixel(0, 0), Gray(0));
    EXPECT_EQ(picture.Pixel(3, 0), Gray(191));
}

TEST_F(GradientFillTest, HugeRectangleFillsOnlyWhatShows)
{
    // The probe sits in the middle of a gradient two thousand million pixels wide.
    Paint({Vertex(-1'000'000'000, -5, 0), Vertex(1'000'000'000, 10, 255)}, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(probe->Result, 1);
    EXPECT_EQ(picture.Pixel(0, 0), Gray(127));
    EXPECT_EQ(picture.Pixel(3, 2), Gray(127));
}

TEST_F(GradientFillTest, EmptyRectanglePaintsNothing)
{
    Paint({Vertex(2, 0, 0), Vertex(2, 3, 255)}, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(probe->Result, 1);
    EXPECT_EQ(picture.Pixel(2, 1), clRed);
}

TEST_F(GradientFillTest, RefusesWhatItCannotDraw)
{
    Paint({Vertex(0, 0, 0)}, GRADIENT_FILL_RECT_H);
    EXPECT_EQ(probe->Result, 0) << "a vertex index past the end";
    Paint({Vertex(0, 0, 0), Vertex(4, 3, 255)}, 2);
    EXPECT_EQ(probe->Result, 0) << "triangles are not drawn";
    EXPECT_EQ(picture.Pixel(1, 1), clRed);

    // Outside a paint there is nothing to draw on.
    const TRIVERTEX vertices[2] = {Vertex(0, 0, 0), Vertex(4, 3, 255)};
    const GRADIENT_RECT mesh = {0, 1};
    EXPECT_EQ(GradientFill(probe->Canvas()->Handle(), vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H), 0);
    EXPECT_EQ(GradientFill(nullptr, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_H), 0);
}
