#include "components/QovMesg.h"

#include "components/QovGradient.h"
#include "vcl/TApplication.h"
#include "vcl/TFormReader.h"
#include "vcl/TImage.h"
#include "vcl/TLabel.h"
#include "vcl/TScreen.h"
#include "vcl/WinApi.h"

#include <algorithm>
#include <array>
#include <cctype>

// ---- TQovButt ----------------------------------------------------------------------------------

TQovButt::TQovButt(TComponent* AOwner) : TSpeedButton(AOwner)
{
    SetCursor(crHandPoint);
    SetParentFont(false);
    SetFlat(true);
    SetSpacing(0);
    SetWidth(75);
    SetTransparent(true);
}

TQovButt::~TQovButt() = default;

// ---- The unit's tables ---------------------------------------------------------------------------

namespace {

struct SymbolKind {
    const char* DefaultCaption;
    int Icon; // a standard icon, 0 for none
};

constexpr std::array<SymbolKind, 5> Symbols{{
    {"Warning", IDI_EXCLAMATION},
    {"Error", IDI_HAND},
    {"Information", IDI_ASTERISK},
    {"Confirm", IDI_QUESTION},
    {"", 0},
}};

struct ButtonKind {
    const char* Caption;
    TModalResult Result;
};

// Indexed by TMessageButton.
constexpr std::array<ButtonKind, 11> Buttons{{
    {"&Yes", mrYes},
    {"&No", mrNo},
    {"&OK", mrOk},
    {"&Cancel", mrCancel},
    {"&Abort", mrAbort},
    {"&Retry", mrRetry},
    {"&Ignore", mrIgnore},
    {"A&ll", mrAll},
    {"No&ToAll", mrNoToAll},
    {"Ye&sToAll", mrYesToAll},
    {"&Help", mrNone},
}};

struct ButtonName {
    const char* Name; // upper case
    TMessageButton Button;
};

// The names a button list may hold; none of them gives mbHelp.
constexpr std::array<ButtonName, 10> ButtonNames{{
    {"MBOK", mbOk},
    {"MBCANCEL", mbCancel},
    {"MBABORT", mbAbort},
    {"MBRETRY", mbRetry},
    {"MBIGNORE", mbIgnore},
    {"MBYES", mbYes},
    {"MBNO", mbNo},
    {"MBALL", mbAll},
    {"MBNOTOALL", mbNoToAll},
    {"MBYESTOALL", mbYesToAll},
}};

constexpr TFormStyle FormStyleOf(TDialogStyle style)
{
    return style == dsStayOnTop ? fsStayOnTop : fsNormal;
}

constexpr int IconSize = 32;

// How many kinds of the button table the set holds (its bits 11 to 15 are not looked at).
int CountButtons(TMessageButtons buttons)
{
    int count = 0;
    for (std::size_t member = 0; member < Buttons.size(); ++member)
        count += (buttons >> member) & 1;
    return count;
}

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

TMessageButtons ParseButtonList(std::string_view buttonList)
{
    const std::string list = UpperCase(buttonList);
    TMessageButtons buttons = 0;
    for (const ButtonName& name : ButtonNames)
        if (list.find(name.Name) != std::string::npos)
            buttons |= ButtonSet(name.Button);
    return buttons;
}

} // namespace

// ---- TQovMesg ------------------------------------------------------------------------------------

TQovMesg::TQovMesg(TComponent* AOwner) : TComponent(AOwner)
{
    SetTextAlign(taLeftJustify);
    FFontText = std::make_unique<TFont>();
    FFontButton = std::make_unique<TFont>();
    FButtons = ButtonSet(mbOk);
    SetYpos(-1);
    SetXpos(-1);
    SetSoundNum(-1);
    FCaption.clear();
    SetColor(clBtnFace);
    SetClearButtons(true);
    SetColorGradient1(clBtnFace);
    SetColorGradient2(clGray);
}

TQovMesg::~TQovMesg() = default;

void TQovMesg::SetClearButtons(bool value)
{
    FClearButtons = value;
    FButtonSpacing = value ? 1 : 4;
}

std::int16_t TQovMesg::ShowMessage(std::string_view text)
{
    FButtons = ButtonSet(mbOk);
    SetSymbol(dgInformation);
    FCaption.clear();
    SetXpos(-1);
    SetYpos(-1);
    return static_cast<std::int16_t>(ShowMessageForm(text, FSymbol, FButtons, FXpos, FYpos));
}

std::int16_t TQovMesg::MessageShow(std::string_view text, std::string_view caption, std::string_view buttonList,
                                   int x, int y)
{
    FCaption = caption;
    FButtons = ParseButtonList(buttonList);
    SetXpos(x);
    SetYpos(y);
    return static_cast<std::int16_t>(ShowMessageForm(text, FSymbol, FButtons, FXpos, FYpos));
}

int TQovMesg::ShowMessageForm(std::string_view text, TSymbol symbol, TMessageButtons buttons, int x, int y)
{
    // The form is freed when the dialog ends, also when colouring, placing, sounding or showing
    // it fails.
    const std::unique_ptr<TMessageForm> form(CreateMessageForm(text, symbol, buttons));
    FMessageForm = form.get();
    struct Forget {
        TMessageForm*& Form;
        ~Forget() { Form = nullptr; }
    } forget{FMessageForm};

    form->SetColor(FColor);
    // Each axis on its own: a negative value keeps the dialog centred on that axis.
    if (x >= 0)
        form->SetLeft(x);
    if (y >= 0)
        form->SetTop(y);
    if (FSoundNum >= 0)
        MessageBeep(static_cast<UINT>(FSoundNum));
    return form->ShowModal();
}

void TQovMesg::ButtonClick(TObject* Sender)
{
    if (FMessageForm)
        FMessageForm->SetModalResult(static_cast<TQovButt*>(Sender)->ModalResult);
}

TPoint TQovMesg::AverageCharSize(TCanvas* canvas) const
{
    std::array<char, 52> letters{};
    for (int i = 0; i < 26; ++i) {
        letters[static_cast<std::size_t>(i)] = static_cast<char>('A' + i);
        letters[static_cast<std::size_t>(26 + i)] = static_cast<char>('a' + i);
    }
    SIZE extent;
    GetTextExtentPointA(canvas->Handle(), letters.data(), static_cast<int>(letters.size()), &extent);
    return {extent.cx / 52, extent.cy};
}

int TQovMesg::Larger(int a, int b) const
{
    return a > b ? a : b;
}

TMessageForm* TQovMesg::CreateMessageForm(std::string_view text, TSymbol symbol, TMessageButtons buttons)
{
    auto* form = new TMessageForm(Application);
    form->SetFormStyle(FormStyleOf(FDialogStyle));
    form->SetBorderStyle(bsDialog);

    // Measure: the buttons in dialog units of the button font, margins and spacings in those of
    // the text font (a horizontal unit is a quarter of the average character width, a vertical
    // one an eighth of the character height).
    form->Canvas()->SetFont(FFontButton.get());
    const TPoint buttonChar = AverageCharSize(form->Canvas());
    const int buttonWidth = MulDiv(46, buttonChar.x, 4);
    const int buttonHeight = MulDiv(15, buttonChar.y, 8);
    const int buttonGap = MulDiv(FButtonSpacing, buttonChar.x, 4);

    form->Canvas()->SetFont(FFontText.get());
    const TPoint textChar = AverageCharSize(form->Canvas());
    const int horzMargin = MulDiv(8, textChar.x, 4);
    const int vertMargin = MulDiv(8, textChar.y, 8);
    const int horzSpacing = MulDiv(10, textChar.x, 4);
    const int vertSpacing = MulDiv(10, textChar.y, 8);

    // The text wraps within half the screen's width. It is measured whole, however long, so that
    // the dialog holds all that its label shows.
    TRect textRect;
    SetRect(&textRect, 0, 0, Screen->Width() / 2, 0);
    DrawTextA(form->Canvas()->Handle(), text.data(), static_cast<int>(text.size()), &textRect,
              DT_CALCRECT | DT_WORDBREAK);
    const int textWidth = textRect.Right;
    const int textHeight = textRect.Bottom;

    // Size: the symbol and the text side by side, the row of buttons below them.
    const SymbolKind& kind = Symbols[static_cast<std::size_t>(symbol)];
    int blockWidth = textWidth;
    int blockHeight = textHeight;
    if (kind.Icon != 0) {
        blockWidth = textWidth + horzSpacing + IconSize;
        if (textHeight < IconSize)
            blockHeight = IconSize;
    }
    const int buttonCount = CountButtons(buttons);
    const int groupWidth = buttonCount == 0 ? 0 : buttonCount * buttonWidth + (buttonCount - 1) * buttonGap;
    form->SetClientWidth(Larger(blockWidth, groupWidth) + 2 * horzMargin);
    form->SetClientHeight(blockHeight + buttonHeight + vertSpacing + 2 * vertMargin);

    // Place: centred on the screen.
    form->SetLeft(Screen->Width() / 2 - form->Width() / 2);
    form->SetTop(Screen->Height() / 2 - form->Height() / 2);

    const bool ownCaption = !FCaption.empty() && FCaption != "None";
    form->SetCaption(ownCaption ? std::string_view(FCaption) : std::string_view(kind.DefaultCaption));

    // Children, from the back: gradient, symbol, text, buttons.
    if (FColorGradient1 != FColorGradient2) {
        auto* gradient = new TQovGradient(form);
        gradient->SetName("Gradient");
        gradient->SetParent(form);
        gradient->SetAlign(alClient);
        gradient->SetColorBegin(FColorGradient1);
        gradient->SetColorEnd(FColorGradient2);
        gradient->SetGradient(gdHorizontal);
        if (FVerticalGradient)
            gradient->SetGradient(gdVertical);
    }

    if (kind.Icon != 0) {
        auto* image = new TImage(form);
        image->SetName("Image");
        image->SetParent(form);
        image->Icon()->SetHandle(LoadIconA(nullptr, MAKEINTRESOURCEA(kind.Icon)));
        image->SetBounds(horzMargin, vertMargin, IconSize, IconSize);
    }

    auto* message = new TLabel(form);
    message->SetName("Message");
    message->SetParent(form);
    message->SetWordWrap(true);
    message->SetAutoSize(false);
    message->SetAlignment(FTextAlign);
    message->SetFont(FFontText.get());
    message->SetCaption(text);
    message->SetTransparent(true);
    message->SetBounds(blockWidth - textWidth + horzMargin, vertMargin, textWidth, textHeight);

    int x = (form->ClientWidth() - groupWidth) / 2;
    int counter = 0;
    for (std::size_t member = 0; member < Buttons.size(); ++member) {
        if (!((buttons >> member) & 1))
            continue;
        auto* button = new TQovButt(form);
        button->SetName("A" + std::to_string(counter++));
        button->SetParent(form);
        button->SetFont(FFontButton.get());
        button->SetFlat(FClearButtons);
        button->SetTransparent(true);
        button->OnClick = [this](TObject* Sender) { ButtonClick(Sender); };
        button->SetCaption(Buttons[member].Caption);
        button->ModalResult = Buttons[member].Result;
        button->SetBounds(x, blockHeight + vertMargin + vertSpacing, buttonWidth, buttonHeight);
        x += buttonWidth + buttonGap;
    }
    return form;
}

void TQovMesg::SetAbout_Help(TAbout value)
{
    if (value != TAbout::Help)
        return;
    MessageBeep(MB_ICONEXCLAMATION);
    ShowMessage(UsageText());
    FAbout_Help = TAbout::None;
}

std::string TQovMesg::UsageText()
{
    return "QovMesg - the message dialog component, how to use it\n"
           "\n"
           "QovMesg1->SoundNum = Integer; // 0,16,32,48,64\n"
           "QovMesg1->Xpos = Integer;         // left side position\n"
           "QovMesg1->Ypos = Integer;         // top position\n"
           "\n"
           "QovMesg1->ShowMessage(string); // Ok button only\n"
           "\n"
           "QovMesg1->MessageShow(String1, String2, String3, XPos, Ypos);\n"
           "\n"
           "QovMesg1->MessageShow(\"Mesg\", \"Title\", \"mbYes,mbNo\", -1, -1);\n"
           "\n"
           "mbOk,mbCancel,mbAbort,mbRetry,mbIgnore\n"
           "mbYes,mbNo,mbAll,mbNoToAll,mbYesToAll\n"
           "\n"
           "Return = mrYes, mrNo, mrCancel etc...";
}

bool TQovMesg::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name == "ColorGradient1")
        SetColorGradient1(reader.Color(value));
    else if (name == "ColorGradient2")
        SetColorGradient2(reader.Color(value));
    else if (name.starts_with("FontButton."))
        return reader.FontAttribute(*FFontButton, name.substr(11), value);
    else if (name.starts_with("FontText."))
        return reader.FontAttribute(*FFontText, name.substr(9), value);
    else if (name == "SoundNum")
        SetSoundNum(reader.Integer(value));
    else if (name == "Symbol")
        SetSymbol(reader.Enumeration<TSymbol>(value, {{"dgWarning", dgWarning}, {"dgError", dgError},
                                                     {"dgInformation", dgInformation}, {"dgConfirmation", dgConfirmation},
                                                     {"dgNone", dgNone}}));
    else if (name == "VerticalGradient")
        SetVerticalGradient(reader.Boolean(value));
    else
        return TComponent::ReadProperty(name, value, reader);
    return true;
}
