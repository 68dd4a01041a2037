#pragma once
// Unit QovMesg: the message dialog component TQovMesg, the dialog form it builds for each message
// (TMessageForm) and the dialog's flat button (TQovButt).

#include "vcl/TCanvas.h"
#include "vcl/TComponent.h"
#include "vcl/TFont.h"
#include "vcl/TForm.h"
#include "vcl/TSpeedButton.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The message dialog's button: a flat, transparent speed button with the hand cursor and a font of
// its own, carrying the modal result that a click gives the dialog (mrNone keeps it open).
class TQovButt : public TSpeedButton {
public:
    // 75 x 22, flat, transparent, Spacing 0, crHandPoint, ParentFont false, ModalResult mrNone.
    explicit TQovButt(TComponent* AOwner);
    ~TQovButt() override;

    TModalResult ModalResult = mrNone;
};

// The form of one message dialog; only its class sets it apart from other forms.
class TMessageForm : public TForm {
public:
    using TForm::TForm;
};

// The symbol of a dialog: its icon and its default caption.
enum class TSymbol : std::uint8_t { dgWarning, dgError, dgInformation, dgConfirmation, dgNone };
using enum TSymbol;

enum class TDialogStyle : std::uint8_t { dsStayOnTop, dsNormal };
using enum TDialogStyle;

// Setting About_Help to Help shows how to use the component.
enum class TAbout : std::uint8_t { None, Help };

// The kinds of dialog button; the order is also their left-to-right order on the dialog.
enum class TMessageButton : std::uint8_t {
    mbYes, mbNo, mbOk, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp
};
using enum TMessageButton;

// A set of button kinds: bit n stands for the member numbered n.
using TMessageButtons = std::uint16_t;
constexpr TMessageButtons ButtonSet(TMessageButton button) { return static_cast<TMessageButtons>(1u << static_cast<unsigned>(button)); }

// A component that shows a modal message dialog of its own making: a symbol, the word-wrapped
// text, a centred row of buttons, a gradient background (when its two colours differ), in the
// component's fonts and colours, above other windows. Each call builds the dialog, shows it, frees
// it and returns the modal result of the button pressed (mrCancel, 2, when the dialog is closed by
// its close box or the application ends while it shows).
//
// The properties keep their last values between calls, also the ones the calls set themselves.
// The component shows one dialog at a time; call it from the user interface thread only.
class TQovMesg : public TComponent {
public:
    // TextAlign taLeftJustify, both fonts the default font, buttons {mbOk}, Xpos, Ypos and SoundNum
    // -1, no caption, Color clBtnFace, ClearButtons true, ColorGradient1 clBtnFace, ColorGradient2
    // clGray, Symbol dgWarning, VerticalGradient false, About_Help None, stays on top.
    explicit TQovMesg(TComponent* AOwner);
    ~TQovMesg() override;

    // Shows the text with the information symbol, the caption "Information" and one "&OK" button,
    // centred on the screen. Leaves Symbol at dgInformation and Xpos and Ypos at -1.
    std::int16_t ShowMessage(std::string_view text);

    // Shows the text with the caption (empty or exactly "None": the symbol's own caption), the
    // current Symbol, and the buttons named in the button list, with its top-left corner at (x, y)
    // on the screen (a negative value centres the dialog on that axis). The list is searched for
    // the names mbOk, mbCancel, mbAbort, mbRetry, mbIgnore, mbYes, mbNo, mbAll, mbNoToAll and
    // mbYesToAll in any letter case, with any separators: "mbNoToAll" also gives "&No" and
    // "mbYesToAll" also "&Yes", as the shorter names occur in them. A list without a name gives a
    // dialog without buttons, which only its close box ends. Leaves Xpos and Ypos at x and y.
    std::int16_t MessageShow(std::string_view text, std::string_view caption, std::string_view buttonList, int x, int y);

    // Builds the dialog form for the text, the symbol and the buttons from the component's fonts,
    // colours and settings, centred on the screen and not shown. The application object owns the
    // form; the caller frees it. Its children are named "Gradient", "Image", "Message" and "A0",
    // "A1"... for the buttons in member order. A text is measured whole, however long.
    TMessageForm* CreateMessageForm(std::string_view text, TSymbol symbol, TMessageButtons buttons);
    // The average width of the letters A-Z and a-z in the canvas's font (x, remainder dropped) and
    // the font's height (y).
    TPoint AverageCharSize(TCanvas* canvas) const;
    // The larger of the two.
    int Larger(int a, int b) const;

    // Help shows the usage text (with ShowMessage's effects) after the exclamation beep; the
    // property always reads None.
    TAbout About_Help() const { return FAbout_Help; }
    void SetAbout_Help(TAbout value);
    // Flat buttons a quarter character apart, or raised ones a whole character apart.
    bool ClearButtons() const { return FClearButtons; }
    void SetClearButtons(bool value);
    // The dialog's background where no gradient covers it.
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // The background gradient's colours; equal colours give no gradient.
    TColor ColorGradient1() const { return FColorGradient1; }
    void SetColorGradient1(TColor value) { FColorGradient1 = value; }
    TColor ColorGradient2() const { return FColorGradient2; }
    void SetColorGradient2(TColor value) { FColorGradient2 = value; }
    // The fonts of the buttons and of the text; setting one copies the given font's attributes.
    TFont* FontButton() const { return FFontButton.get(); }
    void SetFontButton(const TFont* value) { FFontButton->Assign(*value); }
    TFont* FontText() const { return FFontText.get(); }
    void SetFontText(const TFont* value) { FFontText->Assign(*value); }
    // A MessageBeep sound type (0, 16, 32, 48 or 64) that each dialog sounds as it opens; -1 or
    // less: silent. The calls leave it as it is.
    int SoundNum() const { return FSoundNum; }
    void SetSoundNum(int value) { FSoundNum = value; }
    TSymbol Symbol() const { return FSymbol; }
    void SetSymbol(TSymbol value) { FSymbol = value; }
    TAlignment TextAlign() const { return FTextAlign; }
    void SetTextAlign(TAlignment value) { FTextAlign = value; }
    // The gradient runs from top to bottom, else from left to right.
    bool VerticalGradient() const { return FVerticalGradient; }
    void SetVerticalGradient(bool value) { FVerticalGradient = value; }
    // The dialog's left and top edge on the screen; negative: centred.
    int Xpos() const { return FXpos; }
    void SetXpos(int value) { FXpos = value; }
    int Ypos() const { return FYpos; }
    void SetYpos(int value) { FYpos = value; }

    // What About_Help shows.
    static std::string UsageText();

    // The properties a stored form gives the component: colours, fonts, sound, symbol, gradient.
    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

private:
    int ShowMessageForm(std::string_view text, TSymbol symbol, TMessageButtons buttons, int x, int y);
    void ButtonClick(TObject* Sender);

    TAbout FAbout_Help = TAbout::None;
    // The gap between buttons in quarters of the button font's average character width.
    int FButtonSpacing = 0;
    std::string FCaption;
    bool FVerticalGradient = false;
    TMessageButtons FButtons = 0;
    TSymbol FSymbol = dgWarning;
    int FXpos = 0;
    int FYpos = 0;
    bool FClearButtons = false;
    int FSoundNum = 0;
    TAlignment FTextAlign = taLeftJustify;
    std::unique_ptr<TFont> FFontText;
    std::unique_ptr<TFont> FFontButton;
    TDialogStyle FDialogStyle = dsStayOnTop;
    // The dialog being shown, while ShowMessageForm runs.
    TMessageForm* FMessageForm = nullptr;
    TColor FColor = 0;
    TColor FColorGradient1 = 0;
    TColor FColorGradient2 = 0;
};
