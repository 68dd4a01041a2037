#include "vcl/TForm.h"
#include "vcl/TMemo.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>

namespace {

// Whether any pixel of the rows [top, top + height) of the picture is dark, as text is. The caret
// at the left edge and the vertical scroll bar stay out.
bool HasText(const TBitmap& picture, int top, int height)
{
    for (int y = top; y < top + height; ++y)
        for (int x = 8; x < picture.Width() - 20; ++x)
            if (const TColor c = picture.Pixel(x, y); c >= 0 && (c & 0xFF) < 0x80 && ((c >> 8) & 0xFF) < 0x80)
                return true;
    return false;
}

} // namespace

TEST(Memo, ShowsItsListOneLineOfTheListOnEachLine)
{
    TForm form(nullptr);
    TMemo* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetBounds(0, 0, 300, 120);
    memo->SetScrollBars(ssBoth);
    form.Show();
    memo->Lines().Add("[Morvo54.MorvoConfigs]");
    memo->Lines().Add("\r"); // a separator line: shown empty
    memo->Lines().Add("MorvoPass=letmein");
    WindowHarness::ProcessPaints();

    TBitmap picture;
    WindowHarness::Grab(memo, picture);
    const int lineHeight = form.Canvas()->TextExtent("X").y;
    const int firstLine = 4; // below the box's margin
    EXPECT_TRUE(HasText(picture, firstLine, lineHeight));
    EXPECT_FALSE(HasText(picture, firstLine + lineHeight + 2, lineHeight - 4));
    EXPECT_TRUE(HasText(picture, firstLine + 2 * lineHeight, lineHeight));

    memo->Lines().Clear();
    WindowHarness::ProcessPaints();
    WindowHarness::Grab(memo, picture);
    EXPECT_FALSE(HasText(picture, firstLine, 3 * lineHeight));
}
