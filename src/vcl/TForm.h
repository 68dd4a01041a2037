#pragma once
// A top-level window. Left, Top, Width and Height are its outer frame on the screen; the client
// area is what lies inside the frame. ShowModal runs a modal loop until ModalResult is set.

#include "vcl/TCanvas.h"
#include "vcl/TIcon.h"
#include "vcl/TWinControl.h"

#include <memory>
#include <string>
#include <string_view>

enum class TFormStyle : std::uint8_t { fsNormal, fsStayOnTop };
using enum TFormStyle;

enum class TFormBorderStyle : std::uint8_t { bsNone, bsSingle, bsSizeable, bsDialog };
using enum TFormBorderStyle;

enum class TPosition : std::uint8_t { poDesigned, poScreenCenter };
using enum TPosition;

class TForm : public TWinControl {
public:
    // Builds an empty form without a form description (the platform's CreateNew).
    explicit TForm(TComponent* AOwner);
    ~TForm() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string_view value);

    TRect ClientRect() const override;
    void SetClientWidth(int value);
    void SetClientHeight(int value);

    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }

    // The icon of the window's title bar and task bar entry; empty: the application's icon.
    TIcon* Icon() const { return FIcon.get(); }

    // A canvas on the form, used to measure text in a font before anything is shown.
    TCanvas* Canvas() const { return FCanvas.get(); }

    void SetVisible(bool value) override;

    // Shows the form and runs a modal loop until ModalResult becomes non-zero; closing the form by
    // its close box, or the application ending, gives mrCancel. Hides the form afterwards.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    bool Modal() const { return FModal; }

    // Closes the form as its close box does: a modal form ends with mrCancel, another one hides
    // (and the application's main form ends the application).
    void Close();

    // The pixels per inch of the screen the form's sizes are made for; a form built from a
    // description on another screen is scaled to it. 0 for a form built in code.
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }

    // Runs once every control of the form exists (after its description is read).
    TNotifyEvent OnCreate;

    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

    // Called by the platform when the window system moved or resized the window.
    void NativeBoundsChanged(int ALeft, int ATop, int AClientWidth, int AClientHeight);

protected:
    void BoundsChanged() override;
    void ScaleBounds(int M, int D) override;

private:
    void ApplyWindowFlags();
    void PlaceOnScreen();

    std::string FCaption;
    TFormStyle FFormStyle = fsNormal;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TPosition FPosition = poDesigned;
    std::unique_ptr<TCanvas> FCanvas;
    std::unique_ptr<TIcon> FIcon;
    int FPixelsPerInch = 0;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    // The frame around the client area, as the window system draws it (0 until it is known).
    int FFrameWidth = 0;
    int FFrameHeight = 0;
    bool FSyncingFromNative = false;
};
