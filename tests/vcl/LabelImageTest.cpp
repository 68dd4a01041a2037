// Labels that size themselves to their text, and images that show the standard icons.
#include "FixedTextMetrics.h"
#include "vcl/TForm.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"

#include <gtest/gtest.h>
#include <set>

TEST(Label, AutoSizeFitsTheCaption)
{
    TFixedTextMetrics metrics;
    TForm form(nullptr);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(100, 10, 65, 17);

    label->SetCaption("Morvo");
    EXPECT_EQ(label->BoundsRect(), Bounds(100, 10, 30, 13));
    label->SetCaption("");
    EXPECT_EQ(label->BoundsRect(), Bounds(100, 10, 6, 13)) << "an empty label keeps one line";

    label->SetAlignment(taRightJustify);
    label->SetCaption("Morvo54");
    EXPECT_EQ(label->BoundsRect(), Bounds(64, 10, 42, 13)) << "keeps its right edge";

    label->SetAlignment(taLeftJustify);
    label->SetWordWrap(true);
    label->SetCaption("one two three");
    EXPECT_EQ(label->BoundsRect(), Bounds(64, 10, 42, 26)) << "wraps within its width";

    label->Font()->SetHeight(-22);
    EXPECT_EQ(label->Height(), 3 * 24) << "follows its font";
}

TEST(Label, WithoutAutoSizeKeepsItsBounds)
{
    TFixedTextMetrics metrics;
    TLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetBounds(1, 2, 3, 4);
    label.SetCaption("a text far wider than three pixels");
    EXPECT_EQ(label.BoundsRect(), Bounds(1, 2, 3, 4));
}

TEST(Icons, StandardIconsAreShared32x32Pictures)
{
    std::set<HICON> handles;
    for (int id : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
        const HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(id));
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(id)), icon) << "shared: " << id;
        handles.insert(icon);
    }
    EXPECT_EQ(handles.size(), 4u);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(0)), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, MAKEINTRESOURCEA(32600)), nullptr);
    EXPECT_EQ(LoadIconA(nullptr, "MAINICON"), nullptr);
}

TEST(Icons, ImageHoldsTheIconItIsGiven)
{
    TImage image(nullptr);
    EXPECT_EQ(image.BoundsRect(), Bounds(0, 0, 105, 105));
    EXPECT_TRUE(image.Icon()->Empty());
    image.Icon()->SetHandle(LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_ASTERISK)));
    EXPECT_FALSE(image.Icon()->Empty());
}
