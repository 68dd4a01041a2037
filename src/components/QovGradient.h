#pragma once
// Unit QovGradient: a control that paints its whole area with a two-colour gradient through the
// system's GradientFill, found in "MSIMG32.DLL" when the program starts.

#include "vcl/TCanvas.h"
#include "vcl/TGraphicControl.h"
#include "vcl/WinApi.h"

#include <cstdint>

enum class TGradientDirection : std::uint8_t {
    gdHorizontal, // colours change from left to right
    gdVertical,   // colours change from top to bottom
};
using enum TGradientDirection;

// A background: it moves itself behind its sibling controls the first time it paints. A system
// colour (clBtnFace) is resolved at every paint, so the control follows a change of the system's
// colours.
class TQovGradient : public TGraphicControl {
public:
    // 70 x 50, from clBtnFace on the left to clGray on the right.
    explicit TQovGradient(TComponent* AOwner);

    // Writing a colour or the direction repaints the control, also when the value is unchanged.
    TColor ColorBegin() const { return FColorBegin; }
    void SetColorBegin(TColor value);
    TColor ColorEnd() const { return FColorEnd; }
    void SetColorEnd(TColor value);
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection value);

    void Paint() override;

    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

private:
    TColor FColorBegin = clBtnFace;
    TColor FColorEnd = clGray;
    TGradientDirection FGradient = gdHorizontal;
    bool FSentToBack = false;
};

// Fills the rectangle of the canvas with a gradient from `begin` to `end` in the given direction,
// in one GradientFill call; a direction outside TGradientDirection fills nothing. Without
// GradientFill (an older system) the rectangle is filled with `begin`.
void FillGradient(TCanvas* canvas, const TRect& rect, TColor begin, TColor end, TGradientDirection direction);

// The unit's state: the library's handle (null when it was not loaded) and its GradientFill (null
// when it was not found). Both are null before the unit starts.
extern HMODULE MsImgHandle;
extern TGradientFill GradientFillFunc;

// The unit's start-up, run once before main: loads "MSIMG32.DLL" and looks up GradientFill. Shut-
// down, run once at exit, frees the library; GradientFillFunc keeps its value. Tests call them
// again to see the unit on a system with a different module table.
void InitializeQovGradient();
void FinalizeQovGradient();
