// What the message dialog shows on the screen, in the machine's real fonts: a few pixels are
// checked, and pictures are kept for a person to look at.
#include "DialogDriver.h"
#include "vcl/TBitmap.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>
#include <string>

namespace {

bool IsDark(TColor rgb)
{
    return (rgb & 0xFF) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60 && ((rgb >> 16) & 0xFF) < 0x60;
}

bool AnyDark(const TBitmap& picture, const TRect& area)
{
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (IsDark(picture.Pixel(x, y)))
                return true;
    return false;
}

// Whether any pixel of the area differs from the background of its column, as row 2 shows it.
bool AnyOffBackground(const TBitmap& picture, const TRect& area)
{
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (picture.Pixel(x, y) != picture.Pixel(x, 2))
                return true;
    return false;
}

// Takes what the dialog shows once it has painted, and keeps it as a file for a person.
void TakePicture(TMessageForm& dialog, TBitmap& picture, const std::string& fileName)
{
    WindowHarness::ProcessPaints();
    WindowHarness::Grab(&dialog, picture);
    picture.SaveToFile(MORVO_SCREENSHOT_DIR "/" + fileName);
}

const char* const LongText =
    "The file Morvo53.ini holds settings, a player list, a player ban list, a filter list and "
    "triggers. Converting it writes a new file, Morvo54.ini, into the same folder and replaces a "
    "file of that name that is already there. The old file itself is not changed. Do you want to "
    "convert it now, keep the old layout, or cancel?";

} // namespace

TEST(QovMesgPicture, SavedMessageWithTheMainWindowsSettings)
{
    TQovMesg mesg(nullptr);
    mesg.SetColorGradient1(clWhite);
    mesg.SetColorGradient2(clSilver);
    const auto result = WhileShowing([&] { return mesg.ShowMessage("Saved as Morvo54.ini"); }, [](TMessageForm& dialog) {
        TBitmap picture;
        TakePicture(dialog, picture, "qovmesg-saved.png");
        ASSERT_EQ(picture.Width(), dialog.ClientWidth());
        const int right = picture.Width() - 1;
        EXPECT_EQ(picture.Pixel(0, 2), clWhite) << "the gradient starts white at the left";
        EXPECT_NEAR(picture.Pixel(right, 2) & 0xFF, 0xC0, 1) << "and ends silver at the right";
        EXPECT_EQ(picture.Pixel(right, 2), picture.Pixel(right, picture.Height() - 1)) << "the same down each column";

        const TRect image = Child(dialog, "Image")->BoundsRect();
        EXPECT_TRUE(AnyOffBackground(picture, image)) << "the icon shows";
        EXPECT_EQ(picture.Pixel(image.Left, image.Top), picture.Pixel(image.Left, 2)) << "the gradient around it";

        const TRect text = Child(dialog, "Message")->BoundsRect();
        EXPECT_TRUE(AnyDark(picture, text)) << "the text shows";
        EXPECT_EQ(picture.Pixel(text.Right - 1, text.Bottom - 1), picture.Pixel(text.Right - 1, 2))
            << "the label lets the gradient through";
        EXPECT_TRUE(AnyDark(picture, Child(dialog, "A0")->BoundsRect())) << "the button's caption shows";

        WindowHarness::Click(Child(dialog, "A0")); // with the mouse, as a person does
    });
    EXPECT_EQ(result, mrOk);
}

TEST(QovMesgPicture, ThreeButtonsUnderALongWrappedText)
{
    TQovMesg mesg(nullptr);
    mesg.SetColorGradient1(clWhite);
    mesg.SetColorGradient2(clSilver);
    mesg.SetSymbol(dgConfirmation);
    int lineHeight = 0;
    int messageHeight = 0;
    const auto result = WhileShowing(
        [&] { return mesg.MessageShow(LongText, "Convert Morvo53.ini", "mbYes,mbNo,mbCancel", -1, -1); },
        [&](TMessageForm& dialog) {
            TBitmap picture;
            TakePicture(dialog, picture, "qovmesg-three-buttons.png");
            lineHeight = dialog.Canvas()->TextExtent("Morvo").y;
            messageHeight = Child(dialog, "Message")->Height();
            for (const char* name : {"A0", "A1", "A2"})
                EXPECT_TRUE(AnyDark(picture, Child(dialog, name)->BoundsRect())) << name;
            EXPECT_TRUE(AnyDark(picture, Rect(0, Child(dialog, "Message")->BoundsRect().Bottom - lineHeight,
                                              picture.Width(), Child(dialog, "Message")->BoundsRect().Bottom)))
                << "the last line shows";
            WindowHarness::Click(Child(dialog, "A1"));
        });
    EXPECT_EQ(result, mrNo);
    EXPECT_GE(messageHeight, 3 * lineHeight) << "wrapped within half the screen";
}
