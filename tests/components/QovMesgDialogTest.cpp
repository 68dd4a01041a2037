// The message dialog as its users meet it: shown modally, answered by a button or the close box.
#include "BeepRecorder.h"
#include "DialogDriver.h"
#include "FixedTextMetrics.h"
#include "components/QovGradient.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TScreen.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The main window's message component: white-to-silver gradient, default fonts, silent.
struct MainWindowMesg {
    TFixedTextMetrics metrics;
    TQovMesg mesg{nullptr};
    int formsBefore = Application->ComponentCount();

    MainWindowMesg()
    {
        mesg.SetColorGradient1(clWhite);
        mesg.SetColorGradient2(clSilver);
        mesg.SetSymbol(dgWarning);
    }
    // Every dialog is freed when its call returns.
    ~MainWindowMesg() { EXPECT_EQ(Application->ComponentCount(), formsBefore); }

    std::int16_t ShowMessage(std::string_view text, const std::function<void(TMessageForm&)>& act)
    {
        return WhileShowing([&] { return mesg.ShowMessage(text); }, act);
    }
    std::int16_t MessageShow(std::string_view caption, std::string_view list, int x, int y,
                             const std::function<void(TMessageForm&)>& act)
    {
        return WhileShowing([&] { return mesg.MessageShow("Convert all?", caption, list, x, y); }, act);
    }
};

std::vector<std::string> ButtonCaptions(TForm& dialog)
{
    std::vector<std::string> captions;
    for (int i = 0; auto* button = Child<TQovButt>(dialog, "A" + std::to_string(i)); ++i)
        captions.push_back(button->Caption());
    return captions;
}

void PressLastButtonOrClose(TMessageForm& dialog)
{
    const auto captions = ButtonCaptions(dialog);
    if (captions.empty())
        dialog.Close();
    else
        Press(dialog, "A" + std::to_string(captions.size() - 1));
}

} // namespace

TEST(QovMesg, StartsWithItsInitialValues)
{
    TQovMesg mesg(nullptr);
    EXPECT_EQ(mesg.About_Help(), TAbout::None);
    EXPECT_TRUE(mesg.ClearButtons());
    EXPECT_EQ(mesg.Color(), clBtnFace);
    EXPECT_EQ(mesg.ColorGradient1(), clBtnFace);
    EXPECT_EQ(mesg.ColorGradient2(), clGray);
    EXPECT_EQ(*mesg.FontButton(), TFont());
    EXPECT_EQ(*mesg.FontText(), TFont());
    EXPECT_EQ(mesg.SoundNum(), -1);
    EXPECT_EQ(mesg.Symbol(), dgWarning);
    EXPECT_EQ(mesg.TextAlign(), taLeftJustify);
    EXPECT_FALSE(mesg.VerticalGradient());
    EXPECT_EQ(mesg.Xpos(), -1);
    EXPECT_EQ(mesg.Ypos(), -1);
}

TEST(QovMesg, ShowMessageWithTheMainWindowsSettings)
{
    MainWindowMesg m;
    m.mesg.SetXpos(5);
    m.mesg.SetYpos(7);
    TBeepRecorder beeps;
    const auto result = m.ShowMessage("Saved as Morvo54.ini", [](TMessageForm& dialog) {
        EXPECT_EQ(dialog.Caption(), "Information");
        EXPECT_EQ(dialog.FormStyle(), fsStayOnTop);
        EXPECT_EQ(dialog.Left(), Screen->Width() / 2 - dialog.Width() / 2) << "centred, whatever Xpos held";
        EXPECT_EQ(dialog.Top(), Screen->Height() / 2 - dialog.Height() / 2);
        ASSERT_NE(Child<TImage>(dialog, "Image"), nullptr);
        EXPECT_EQ(Child<TImage>(dialog, "Image")->Icon()->Handle(), LoadIconA(nullptr, MAKEINTRESOURCEA(IDI_ASTERISK)));
        EXPECT_EQ(Child<TLabel>(dialog, "Message")->Caption(), "Saved as Morvo54.ini");
        auto* gradient = Child<TQovGradient>(dialog, "Gradient");
        ASSERT_NE(gradient, nullptr);
        EXPECT_EQ(gradient->ColorBegin(), clWhite);
        EXPECT_EQ(gradient->ColorEnd(), clSilver);
        EXPECT_EQ(gradient->Gradient(), gdHorizontal);
        EXPECT_EQ(ButtonCaptions(dialog), std::vector<std::string>{"&OK"});
        EXPECT_TRUE(Child<TQovButt>(dialog, "A0")->Flat());
        Press(dialog, "A0");
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(m.mesg.Symbol(), dgInformation);
    EXPECT_EQ(m.mesg.Xpos(), -1);
    EXPECT_EQ(m.mesg.Ypos(), -1);
    EXPECT_TRUE(beeps.Sounds().empty()) << "the main window's dialog makes no sound of its own";
}

TEST(QovMesg, CloseBoxGivesCancel)
{
    MainWindowMesg m;
    EXPECT_EQ(m.ShowMessage("Saved as Morvo54.ini", [](TMessageForm& dialog) { dialog.Close(); }), mrCancel);
}

TEST(QovMesg, ButtonListChoosesTheButtons)
{
    struct Case {
        const char* list;
        std::vector<std::string> buttons;
        TModalResult lastButtonOrClose;
    };
    const Case cases[] = {
        {"mbYes,mbNo", {"&Yes", "&No"}, mrNo},
        {"MBNO mbyes", {"&Yes", "&No"}, mrNo},
        {"mBnOmByEs", {"&Yes", "&No"}, mrNo},
        {"mbNoToAll", {"&No", "No&ToAll"}, mrNoToAll},
        {"mbYesToAll", {"&Yes", "Ye&sToAll"}, mrYesToAll},
        {"mbAll", {"A&ll"}, mrAll},
        {"mbNone", {"&No"}, mrNo},
        {"mbIgnore;mbRetry;mbAbort;mbCancel;mbOk", {"&OK", "&Cancel", "&Abort", "&Retry", "&Ignore"}, mrIgnore},
        {"", {}, mrCancel},
        {"Yes,No", {}, mrCancel},
        {"mbHelp", {}, mrCancel},
    };
    MainWindowMesg m;
    for (const Case& c : cases) {
        std::vector<std::string> shown;
        const auto result = m.MessageShow("", c.list, -1, -1, [&](TMessageForm& dialog) {
            shown = ButtonCaptions(dialog);
            PressLastButtonOrClose(dialog);
        });
        EXPECT_EQ(shown, c.buttons) << c.list;
        EXPECT_EQ(result, c.lastButtonOrClose) << c.list;
    }
}

TEST(QovMesg, AcceleratorKeyPressesItsButton)
{
    struct Case {
        char key;
        bool withAlt;
        TModalResult result;
    };
    // With no control to take the keys, the marked letter alone presses the button; a letter that
    // marks no button does nothing, and the dialog then ends by its close box.
    const Case cases[] = {{'n', false, mrNo}, {'Y', true, mrYes}, {'x', false, mrCancel}};
    MainWindowMesg m;
    for (const Case& c : cases) {
        const auto result = m.MessageShow("Replace it?", "mbYes,mbNo", -1, -1,
                                          [&](TMessageForm& dialog) { WindowHarness::KeyPress(&dialog, c.key, c.withAlt); });
        EXPECT_EQ(result, c.result) << c.key;
    }
}

TEST(QovMesg, ButtonWithoutResultLeavesTheDialogOpen)
{
    MainWindowMesg m;
    bool openAfterPress = false;
    const auto result = m.MessageShow("", "mbOk", -1, -1, [&](TMessageForm& dialog) {
        auto* ok = Child<TQovButt>(dialog, "A0");
        ASSERT_NE(ok, nullptr);
        ok->ModalResult = mrNone; // as the help button carries
        Press(dialog, "A0");
        Application->Post([&] {
            openAfterPress = dialog.ModalResult() == mrNone;
            dialog.Close();
        });
    });
    EXPECT_TRUE(openAfterPress);
    EXPECT_EQ(result, mrCancel);
}

TEST(QovMesg, CaptionGivenOrTheSymbolsOwn)
{
    struct Case {
        TSymbol symbol;
        const char* caption;
        const char* shown;
    };
    const Case cases[] = {
        {dgWarning, "", "Warning"},       {dgWarning, "None", "Warning"}, {dgWarning, "none", "none"},
        {dgError, "Title", "Title"},      {dgConfirmation, "", "Confirm"}, {dgNone, "", ""},
        {dgNone, "NONE", "NONE"},
    };
    MainWindowMesg m;
    for (const Case& c : cases) {
        m.mesg.SetSymbol(c.symbol);
        std::string shown;
        bool hasImage = false;
        m.MessageShow(c.caption, "mbOk", -1, -1, [&](TMessageForm& dialog) {
            shown = dialog.Caption();
            hasImage = Child(dialog, "Image") != nullptr;
            Press(dialog, "A0");
        });
        EXPECT_EQ(shown, c.shown) << c.caption;
        EXPECT_EQ(hasImage, c.symbol != dgNone) << c.caption;
        EXPECT_EQ(m.mesg.Symbol(), c.symbol) << "MessageShow keeps the symbol";
    }
}

TEST(QovMesg, PositionPerAxisAndKeptAfterwards)
{
    struct Case {
        int x, y;
        bool centredX, centredY;
    };
    const Case cases[] = {{-1, 100, true, false}, {0, 0, false, false}, {250, -5, false, true}, {-1, -1, true, true}};
    MainWindowMesg m;
    for (const Case& c : cases) {
        TPoint at, centre;
        m.MessageShow("", "mbOk", c.x, c.y, [&](TMessageForm& dialog) {
            at = {dialog.Left(), dialog.Top()};
            centre = {Screen->Width() / 2 - dialog.Width() / 2, Screen->Height() / 2 - dialog.Height() / 2};
            Press(dialog, "A0");
        });
        EXPECT_EQ(at.x, c.centredX ? centre.x : c.x) << c.x << ", " << c.y;
        EXPECT_EQ(at.y, c.centredY ? centre.y : c.y) << c.x << ", " << c.y;
        EXPECT_EQ(m.mesg.Xpos(), c.x);
        EXPECT_EQ(m.mesg.Ypos(), c.y);
    }
}

TEST(QovMesg, BackgroundIsTheColourWhereNoGradientCovers)
{
    MainWindowMesg m;
    m.mesg.SetColor(clMaroon);
    m.mesg.SetColorGradient2(clWhite); // the same as ColorGradient1
    bool gradient = true;
    TColor colour = 0;
    m.ShowMessage("x", [&](TMessageForm& dialog) {
        gradient = Child(dialog, "Gradient") != nullptr;
        colour = dialog.Color();
        dialog.Close();
    });
    EXPECT_FALSE(gradient);
    EXPECT_EQ(colour, clMaroon);
}

TEST(QovMesg, ClearButtonsChoosesFlatAndGap)
{
    MainWindowMesg m;
    for (bool clear : {false, true}) {
        m.mesg.SetClearButtons(clear);
        bool flat = !clear;
        int gap = 0;
        m.MessageShow("", "mbYes,mbNo", -1, -1, [&](TMessageForm& dialog) {
            auto* yes = Child<TQovButt>(dialog, "A0");
            auto* no = Child<TQovButt>(dialog, "A1");
            ASSERT_TRUE(yes && no);
            flat = no->Flat();
            gap = no->Left() - yes->BoundsRect().Right;
            dialog.Close();
        });
        EXPECT_EQ(flat, clear);
        EXPECT_EQ(gap, clear ? 2 : 6) << "a quarter or a whole average character (6 pixels)";
    }
}

TEST(QovMesg, FontsAreCopiedOnAssignment)
{
    TQovMesg mesg(nullptr);
    TFont font;
    font.SetName("DejaVu Serif");
    font.SetHeight(-16);
    font.SetStyle(fsBold);
    font.SetColor(clNavy);
    mesg.SetFontText(&font);
    mesg.SetFontButton(&font);
    font.SetHeight(-30);
    EXPECT_EQ(mesg.FontText()->Height(), -16);
    EXPECT_EQ(mesg.FontText()->Name(), "DejaVu Serif");
    EXPECT_EQ(mesg.FontText()->Style(), fsBold);
    EXPECT_EQ(mesg.FontText()->Color(), clNavy);
    EXPECT_EQ(*mesg.FontButton(), *mesg.FontText());
    EXPECT_NE(mesg.FontText(), &font);
}

TEST(QovMesg, SoundNumSoundsEachDialogAndStays)
{
    MainWindowMesg m;
    TBeepRecorder beeps;
    m.mesg.SetSoundNum(MB_ICONHAND);
    m.MessageShow("", "mbOk", -1, -1, [](TMessageForm& dialog) { dialog.Close(); });
    m.ShowMessage("x", [](TMessageForm& dialog) { dialog.Close(); });
    EXPECT_EQ(beeps.Sounds(), (std::vector<UINT>{16, 16}));
    EXPECT_EQ(m.mesg.SoundNum(), 16);
}

TEST(QovMesg, AboutHelpShowsTheUsageAfterTheExclamationBeep)
{
    MainWindowMesg m;
    TBeepRecorder beeps;
    std::string text, caption;
    std::vector<std::string> buttons;
    WhileShowing([&] { m.mesg.SetAbout_Help(TAbout::Help); return 0; }, [&](TMessageForm& dialog) {
        text = Child<TLabel>(dialog, "Message")->Caption();
        caption = dialog.Caption();
        buttons = ButtonCaptions(dialog);
        Press(dialog, "A0");
    });
    EXPECT_EQ(beeps.Sounds(), std::vector<UINT>{48});
    EXPECT_EQ(text, TQovMesg::UsageText());
    EXPECT_EQ(caption, "Information");
    EXPECT_EQ(buttons, std::vector<std::string>{"&OK"});
    EXPECT_EQ(m.mesg.About_Help(), TAbout::None);
    EXPECT_EQ(m.mesg.Symbol(), dgInformation);

    m.mesg.SetAbout_Help(TAbout::None); // shows nothing
    EXPECT_EQ(beeps.Sounds().size(), 1u);
}

TEST(QovMesg, UsageTextNamesTheComponentAndItsCalls)
{
    const std::string usage = TQovMesg::UsageText();
    EXPECT_NE(usage.substr(0, usage.find('\n')).find("QovMesg"), std::string::npos);
    EXPECT_EQ(std::count(usage.begin(), usage.end(), '\n'), 15) << "16 lines";
    EXPECT_NE(usage.back(), '\n');
    EXPECT_NE(usage.find("\nQovMesg1->Xpos = Integer;         // left side position\n"), std::string::npos);
    EXPECT_NE(usage.find("\nQovMesg1->MessageShow(\"Mesg\", \"Title\", \"mbYes,mbNo\", -1, -1);\n"), std::string::npos);
}

TEST(QovMesg, FailureWhileShowingFreesTheDialog)
{
    MainWindowMesg m;
    m.mesg.SetSoundNum(MB_ICONASTERISK);
    const TMessageBeepListener previous =
        SetMessageBeepListener([](UINT) { throw std::runtime_error("no sound for you"); });
    EXPECT_THROW(m.mesg.ShowMessage("x"), std::runtime_error);
    SetMessageBeepListener(previous);

    // The component is ready for the next dialog.
    m.mesg.SetSoundNum(-1);
    EXPECT_EQ(m.ShowMessage("x", [](TMessageForm& dialog) { Press(dialog, "A0"); }), mrOk);
}
