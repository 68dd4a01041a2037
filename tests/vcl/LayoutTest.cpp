#include "vcl/TForm.h"
#include "vcl/TPanel.h"

#include <gtest/gtest.h>

namespace {

struct Window {
    TForm form{nullptr};
    TPanel* client = new TPanel(&form);
    TPanel* strip = new TPanel(&form);
    TPanel* left = new TPanel(&form);
    TPanel* right = new TPanel(&form);
    TPanel* inside = new TPanel(&form);

    Window()
    {
        form.SetClientWidth(495);
        form.SetClientHeight(314);
        client->SetParent(&form);
        client->SetAlign(alClient);
        strip->SetParent(&form);
        strip->SetBounds(0, 273, 495, 41);
        strip->SetAlign(alBottom);
        left->SetParent(strip);
        left->SetBounds(28, 9, 97, 24);
        right->SetParent(strip);
        right->SetBounds(368, 9, 97, 24);
        right->SetAnchors(akTop | akRight);
        inside->SetParent(strip);
        inside->SetAlign(alClient);
    }
};

} // namespace

TEST(Layout, AlignedControlsShareTheClientArea)
{
    Window w;
    EXPECT_EQ(w.strip->BoundsRect(), Bounds(0, 273, 495, 41));
    EXPECT_EQ(w.client->BoundsRect(), Bounds(0, 0, 495, 273));
    // Inside a panel, aligned controls stay within its one-pixel bevel.
    EXPECT_EQ(w.inside->BoundsRect(), Bounds(1, 1, 493, 39));
}

TEST(Layout, ResizeKeepsAlignmentAndAnchors)
{
    Window w;
    w.form.SetClientWidth(800);
    w.form.SetClientHeight(500);
    EXPECT_EQ(w.strip->BoundsRect(), Bounds(0, 459, 800, 41));
    EXPECT_EQ(w.client->BoundsRect(), Bounds(0, 0, 800, 459));
    EXPECT_EQ(w.inside->BoundsRect(), Bounds(1, 1, 798, 39));
    EXPECT_EQ(w.left->BoundsRect(), Bounds(28, 9, 97, 24));
    EXPECT_EQ(w.right->BoundsRect(), Bounds(368 + 305, 9, 97, 24));

    w.form.SetClientWidth(495);
    EXPECT_EQ(w.right->BoundsRect(), Bounds(368, 9, 97, 24));
}

TEST(Layout, ChildFollowsParentFontUntilGivenItsOwn)
{
    Window w;
    w.strip->Font()->SetHeight(-20);
    EXPECT_EQ(w.left->Font()->Height(), -20);

    w.right->Font()->SetStyle(fsBold);
    EXPECT_FALSE(w.right->ParentFont());
    w.strip->Font()->SetHeight(-30);
    EXPECT_EQ(w.left->Font()->Height(), -30);
    EXPECT_EQ(w.right->Font()->Height(), -20);
}
