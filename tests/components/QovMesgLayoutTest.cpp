// How the message form is built: sizes and places from measured fonts, children, captions.
#include "FixedTextMetrics.h"
#include "components/QovGradient.h"
#include "components/QovMesg.h"
#include "vcl/TApplication.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TScreen.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// A text that measures 120 x 13 in the fixed metrics of the default font.
const std::string Text120 = "Saved as Morvo54.ini";

struct Built {
    TFixedTextMetrics metrics;
    TQovMesg mesg{nullptr};
    std::unique_ptr<TMessageForm> form;

    void Build(std::string_view text, TSymbol symbol, TMessageButtons buttons)
    {
        form.reset(mesg.CreateMessageForm(text, symbol, buttons));
    }
    template <class T = TControl>
    T* Child(std::string_view name) const { return dynamic_cast<T*>(form->FindComponent(name)); }

    struct Button {
        std::string Caption;
        TModalResult Result;
        TRect Bounds;
        bool operator==(const Button&) const = default;
    };
    std::vector<Button> Buttons() const
    {
        std::vector<Button> buttons;
        for (int i = 0; auto* b = Child<TQovButt>("A" + std::to_string(i)); ++i)
            buttons.push_back({b->Caption(), b->ModalResult, b->BoundsRect()});
        return buttons;
    }
};

void PrintTo(const Built::Button& b, std::ostream* os)
{
    *os << b.Caption << " " << b.Result << " (" << b.Bounds.Left << ", " << b.Bounds.Top << ", "
        << b.Bounds.Width() << " x " << b.Bounds.Height() << ")";
}

TMessageButtons Set(std::initializer_list<TMessageButton> members)
{
    TMessageButtons set = 0;
    for (TMessageButton m : members)
        set |= ButtonSet(m);
    return set;
}

} // namespace

TEST(MessageForm, WorkedExampleWithOneButton)
{
    Built b;
    b.Build(Text120, dgWarning, Set({mbOk}));
    TMessageForm& form = *b.form;

    EXPECT_EQ(form.ClientWidth(), 191);
    EXPECT_EQ(form.ClientHeight(), 98);
    EXPECT_EQ(form.Left(), Screen->Width() / 2 - form.Width() / 2);
    EXPECT_EQ(form.Top(), Screen->Height() / 2 - form.Height() / 2);
    EXPECT_EQ(form.Owner(), Application);
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form.FormStyle(), fsStayOnTop);
    EXPECT_EQ(form.BorderStyle(), bsDialog);
    EXPECT_EQ(form.Caption(), "Warning");

    // Gradient, symbol, text and button, drawn in that order.
    ASSERT_EQ(form.ControlCount(), 4);
    auto* gradient = b.Child<TQovGradient>("Gradient");
    auto* image = b.Child<TImage>("Image");
    auto* message = b.Child<TLabel>("Message");
    ASSERT_TRUE(gradient && image && message);
    EXPECT_EQ(form.Controls(0), gradient);
    EXPECT_EQ(form.Controls(1), image);
    EXPECT_EQ(form.Controls(2), message);
    EXPECT_EQ(form.Controls(3), b.Child("A0"));

    EXPECT_EQ(gradient->Align(), alClient);
    EXPECT_EQ(gradient->BoundsRect(), Bounds(0, 0, 191, 98));
    EXPECT_EQ(gradient->ColorBegin(), clBtnFace);
    EXPECT_EQ(gradient->ColorEnd(), clGray);
    EXPECT_EQ(gradient->Gradient(), gdHorizontal);

    EXPECT_EQ(image->BoundsRect(), Bounds(12, 13, 32, 32));
    EXPECT_EQ(image->Icon()->Handle(), LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_EXCLAMATION)));

    EXPECT_EQ(message->BoundsRect(), Bounds(59, 13, 120, 13));
    EXPECT_EQ(message->Caption(), Text120);
    EXPECT_TRUE(message->WordWrap());
    EXPECT_FALSE(message->AutoSize());
    EXPECT_TRUE(message->Transparent());
    EXPECT_EQ(message->Alignment(), taLeftJustify);

    EXPECT_EQ(b.Buttons(), (std::vector<Built::Button>{{"&OK", mrOk, Bounds(61, 61, 69, 24)}}));
    auto* ok = b.Child<TQovButt>("A0");
    EXPECT_TRUE(ok->Flat());
    EXPECT_TRUE(ok->Transparent());
}

TEST(MessageForm, WorkedExampleWithRaisedButtonsInMemberOrder)
{
    Built b;
    b.mesg.SetClearButtons(false);
    b.Build(Text120, dgWarning, Set({mbCancel, mbNo, mbYes}));

    EXPECT_EQ(b.form->ClientWidth(), 243);
    EXPECT_EQ(b.Buttons(), (std::vector<Built::Button>{
                               {"&Yes", mrYes, Bounds(12, 61, 69, 24)},
                               {"&No", mrNo, Bounds(87, 61, 69, 24)},
                               {"&Cancel", mrCancel, Bounds(162, 61, 69, 24)},
                           }));
    EXPECT_FALSE(b.Child<TQovButt>("A0")->Flat());
    EXPECT_EQ(b.Child("Image")->Left(), 12);
    EXPECT_EQ(b.Child("Message")->Left(), 59);
}

TEST(MessageForm, ButtonTableCaptionsAndResults)
{
    Built b;
    b.Build("x", dgWarning, 0x07FF);
    std::vector<std::pair<std::string, TModalResult>> shown;
    for (const auto& button : b.Buttons())
        shown.emplace_back(button.Caption, button.Result);
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, TModalResult>>{
                         {"&Yes", 6}, {"&No", 7}, {"&OK", 1}, {"&Cancel", 2}, {"&Abort", 3}, {"&Retry", 4},
                         {"&Ignore", 5}, {"A&ll", 8}, {"No&ToAll", 9}, {"Ye&sToAll", 10}, {"&Help", 0}}));

    b.Build("x", dgWarning, 0xF800);
    EXPECT_TRUE(b.Buttons().empty()) << "bits past the eleven kinds are not looked at";
}

TEST(MessageForm, SymbolsGiveIconAndDefaultCaption)
{
    struct Case {
        TSymbol symbol;
        const char* caption;
        int icon;
    };
    for (const Case& c : {Case{dgWarning, "Warning", IDI_EXCLAMATION}, Case{dgError, "Error", IDI_HAND},
                          Case{dgInformation, "Information", IDI_ASTERISK},
                          Case{dgConfirmation, "Confirm", IDI_QUESTION}}) {
        Built b;
        b.Build(Text120, c.symbol, Set({mbOk}));
        EXPECT_EQ(b.form->Caption(), c.caption);
        ASSERT_NE(b.Child<TImage>("Image"), nullptr) << c.caption;
        EXPECT_EQ(b.Child<TImage>("Image")->Icon()->Handle(), LoadIconA(nullptr, MAKEINTRESOURCEA(c.icon)));
    }
}

TEST(MessageForm, NoSymbolHasNoImageAndNoMinimumHeight)
{
    Built b;
    b.Build(Text120, dgNone, Set({mbOk}));
    EXPECT_EQ(b.Child("Image"), nullptr);
    EXPECT_EQ(b.form->Caption(), "");
    EXPECT_EQ(b.Child("Message")->BoundsRect(), Bounds(12, 13, 120, 13));
    EXPECT_EQ(b.form->ClientWidth(), 120 + 24);
    EXPECT_EQ(b.form->ClientHeight(), 13 + 24 + 16 + 26);
    EXPECT_EQ(b.Child("A0")->BoundsRect(), Bounds(37, 13 + 13 + 16, 69, 24));
}

TEST(MessageForm, NoButtonsStillLeavesTheirRow)
{
    Built b;
    b.Build(Text120, dgWarning, 0);
    EXPECT_EQ(b.form->ClientWidth(), 167 + 24);
    EXPECT_EQ(b.form->ClientHeight(), 98);
    EXPECT_EQ(b.Child("A0"), nullptr);
}

TEST(MessageForm, WideButtonRowIsCentredWhileTextKeepsItsPlace)
{
    Built b;
    b.Build("Short", dgWarning, Set({mbYes, mbNo, mbAll, mbIgnore}));
    // Block 30 + 15 + 32 = 77; group 4 x 69 + 3 x 2 = 282.
    EXPECT_EQ(b.form->ClientWidth(), 282 + 24);
    EXPECT_EQ(b.Child("A0")->Left(), 12);
    EXPECT_EQ(b.Child("A3")->Left(), 12 + 3 * 71);
    EXPECT_EQ(b.Child("Image")->Left(), 12);
    EXPECT_EQ(b.Child("Message")->Left(), 59);
}

TEST(MessageForm, EachFontMeasuresItsOwnPart)
{
    Built b;
    b.mesg.FontButton()->SetHeight(-22); // 12 x 24 in the fixed metrics
    b.Build(Text120, dgWarning, Set({mbYes, mbNo}));
    // Buttons 138 x 45 with a gap of 3 from the button font; margins and spacings from the text font.
    EXPECT_EQ(b.form->ClientWidth(), 2 * 138 + 3 + 24);
    EXPECT_EQ(b.form->ClientHeight(), 32 + 45 + 16 + 26);
    EXPECT_EQ(b.Child("A0")->BoundsRect(), Bounds(12, 61, 138, 45));
    EXPECT_EQ(b.Child("A1")->BoundsRect(), Bounds(12 + 138 + 3, 61, 138, 45));
    EXPECT_EQ(b.Child("Image")->BoundsRect(), Bounds(12, 13, 32, 32));
    EXPECT_EQ(b.Child("A0")->Font()->Height(), -22);
    EXPECT_EQ(b.Child("Message")->Font()->Height(), -11);
}

TEST(MessageForm, LongTextWrapsWithinHalfTheScreen)
{
    Built b;
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "word ";
    text += "end";
    b.Build(text, dgWarning, Set({mbOk}));
    auto* message = b.Child("Message");
    const int half = Screen->Width() / 2;
    EXPECT_LE(message->Width(), half);
    EXPECT_GT(message->Width(), half - 5 * 6);
    const int perLine = (message->Width() + 6) / 30; // "word " is 30 pixels
    const int lines = (200 + 1 + perLine - 1) / perLine;
    EXPECT_EQ(message->Height(), lines * 13);
    EXPECT_EQ(b.form->ClientHeight(), lines * 13 + 24 + 16 + 26);
}

TEST(MessageForm, TextBeyond1024CharactersIsMeasuredWhole)
{
    Built b;
    // 150 lines of ten characters with their line ends: the first 1024 characters hold only 103.
    std::string text = std::string(9, 'x');
    for (int i = 1; i < 150; ++i)
        text += "\n" + std::string(9, 'x');
    ASSERT_GT(text.size(), 1024u);
    b.Build(text, dgNone, 0);
    EXPECT_EQ(b.Child("Message")->Height(), 150 * 13);
    EXPECT_EQ(b.Child<TLabel>("Message")->Caption(), text);
}

TEST(MessageForm, EqualGradientColoursGiveNoGradient)
{
    Built b;
    b.mesg.SetColorGradient1(clWhite);
    b.mesg.SetColorGradient2(clWhite);
    b.Build(Text120, dgWarning, Set({mbOk}));
    EXPECT_EQ(b.Child("Gradient"), nullptr);
    EXPECT_EQ(b.form->ControlCount(), 3);
}

TEST(MessageForm, GradientTakesTheComponentsColoursAndDirection)
{
    Built b;
    b.mesg.SetColorGradient1(clWhite);
    b.mesg.SetColorGradient2(clSilver);
    b.mesg.SetVerticalGradient(true);
    b.mesg.SetTextAlign(taCenter);
    b.Build(Text120, dgWarning, Set({mbOk}));
    auto* gradient = b.Child<TQovGradient>("Gradient");
    ASSERT_NE(gradient, nullptr);
    EXPECT_EQ(gradient->ColorBegin(), clWhite);
    EXPECT_EQ(gradient->ColorEnd(), clSilver);
    EXPECT_EQ(gradient->Gradient(), gdVertical);
    EXPECT_EQ(b.Child<TLabel>("Message")->Alignment(), taCenter);
}

TEST(MessageForm, AverageCharSizeAndLarger)
{
    TFixedTextMetrics metrics;
    TQovMesg mesg(nullptr);
    TCanvas canvas;
    EXPECT_EQ(mesg.AverageCharSize(&canvas), (TPoint{6, 13}));
    canvas.Font()->SetHeight(-15); // 8 per character: 416 / 52
    EXPECT_EQ(mesg.AverageCharSize(&canvas), (TPoint{8, 17}));
    EXPECT_EQ(mesg.Larger(3, 2), 3);
    EXPECT_EQ(mesg.Larger(2, 3), 3);
    EXPECT_EQ(mesg.Larger(-1, -1), -1);
}
