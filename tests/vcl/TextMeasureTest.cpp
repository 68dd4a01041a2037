// Measuring and breaking text as the dialogs lay it out.
#include "FixedTextMetrics.h"
#include "vcl/TCanvas.h"
#include "vcl/TextLines.h"
#include "vcl/WinApi.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(MulDiv, RoundsHalfAwayFromZeroAndFailsWithMinusOne)
{
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {46, 6, 4, 69},          // 69 exactly
        {15, 13, 8, 24},         // 24.375 down
        {10, 13, 8, 16},         // 16.25 down
        {1, 6, 4, 2},            // 1.5 up
        {5, 1, 2, 3},            // 2.5 up
        {-5, 1, 2, -3},          // -2.5 away from zero
        {5, -1, 2, -3},          // the sign of either factor
        {5, 1, -2, -3},          // or of the divisor
        {-5, -1, -2, -3},
        {7, 1, 3, 2},            // 2.33 down
        {8, 1, 3, 3},            // 2.67 up
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // the product needs 64 bits
        {1, 2, 0, -1},           // zero divisor
        {INT_MAX, 2, 1, -1},     // result beyond 32 bits
        {INT_MIN, 1, 1, INT_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(TextLines, BreaksAtLineEndsAndBetweenWords)
{
    // One pixel per character: the wrap width is a character count.
    const TTextWidth widthOf = [](std::string_view run) { return static_cast<int>(run.size()); };
    struct Case {
        const char* name;
        std::string text;
        int wrapWidth;
        std::vector<std::string_view> expected;
    };
    const Case cases[] = {
        {"empty text has no lines", "", 10, {}},
        {"fits on one line", "Saved as Morvo54.ini", 20, {"Saved as Morvo54.ini"}},
        {"breaks before the word that overflows", "one two three", 8, {"one two", "three"}},
        {"blanks at a break are dropped", "one   two", 4, {"one", "two"}},
        {"leading blanks stay", "  one two", 6, {"  one", "two"}},
        {"a long word stands alone", "a verylongword b", 5, {"a", "verylongword", "b"}},
        {"CR LF, CR and LF end lines", "a\r\nb\rc\nd", 10, {"a", "b", "c", "d"}},
        {"empty lines are kept", "a\n\nb\n", 10, {"a", "", "b", ""}},
        {"no wrapping without a width", "one two three", -1, {"one two three"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextLines(c.text, c.wrapWidth, widthOf), c.expected) << c.name;
}

TEST(TextLines, AccelMarksAreNotShown)
{
    EXPECT_EQ(WithoutAccelMarks("&OK"), "OK");
    EXPECT_EQ(WithoutAccelMarks("Ye&sToAll"), "YesToAll");
    EXPECT_EQ(WithoutAccelMarks("Salt && pepper&"), "Salt & pepper");
}

TEST(DrawText, CalcRectGivesTheWidestLineAndAllLines)
{
    TFixedTextMetrics metrics;
    TCanvas canvas;
    struct Case {
        const char* name;
        std::string text;
        int width;
        UINT format;
        TRect expected;
    };
    const Case cases[] = {
        {"one line", "12345678901234567890", 400, DT_CALCRECT | DT_WORDBREAK, Rect(0, 0, 120, 13)},
        {"wrapped to the width", "aaaa bbbb cccc", 60, DT_CALCRECT | DT_WORDBREAK, Rect(0, 0, 54, 26)},
        {"a long word widens", "aaaaaaaaaaaa b", 30, DT_CALCRECT | DT_WORDBREAK, Rect(0, 0, 72, 26)},
        {"no wrap without DT_WORDBREAK", "aaaa bbbb\ncc", 30, DT_CALCRECT, Rect(0, 0, 54, 26)},
        {"accelerator marks are not measured", "&Yes && &No", 400, DT_CALCRECT, Rect(0, 0, 48, 13)},
        {"DT_NOPREFIX measures them", "&Yes", 400, DT_CALCRECT | DT_NOPREFIX, Rect(0, 0, 24, 13)},
        {"empty text", "", 400, DT_CALCRECT | DT_WORDBREAK, Rect(0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        TRect rect = Rect(0, 0, c.width, 0);
        const int height = DrawTextA(canvas.Handle(), c.text.c_str(), -1, &rect, c.format);
        EXPECT_EQ(rect, c.expected) << c.name;
        EXPECT_EQ(height, c.expected.Bottom) << c.name;
    }
}

TEST(DrawText, CountLimitsTheText)
{
    TFixedTextMetrics metrics;
    TCanvas canvas;
    TRect rect = Rect(10, 20, 400, 20);
    DrawTextA(canvas.Handle(), "abcdef", 3, &rect, DT_CALCRECT);
    EXPECT_EQ(rect, Rect(10, 20, 28, 33));
}

TEST(GetTextExtent, MeasuresInTheCanvasFont)
{
    TCanvas canvas;
    SIZE small, large;
    ASSERT_TRUE(GetTextExtentPointA(canvas.Handle(), "Morvo", 5, &small));
    canvas.Font()->SetHeight(-22);
    ASSERT_TRUE(GetTextExtentPointA(canvas.Handle(), "Morvo", 5, &large));
    EXPECT_GT(small.cx, 0);
    EXPECT_GT(small.cy, 0);
    EXPECT_GT(large.cx, small.cx);
    EXPECT_GT(large.cy, small.cy);

    TFixedTextMetrics metrics;
    SIZE fixed;
    ASSERT_TRUE(GetTextExtentPointA(canvas.Handle(), "Morvo!", 5, &fixed));
    EXPECT_EQ(fixed.cx, 5 * 12);
    EXPECT_EQ(fixed.cy, 24);
}
