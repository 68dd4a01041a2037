#include "components/QovGradient.h"

#include "vcl/TFormReader.h"

HMODULE MsImgHandle = nullptr;
TGradientFill GradientFillFunc = nullptr;

TQovGradient::TQovGradient(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetColorBegin(clBtnFace);
    SetColorEnd(clGray);
    FSentToBack = false;
    SetHeight(50);
    SetWidth(70);
}

void TQovGradient::SetColorBegin(TColor value)
{
    FColorBegin = value;
    Invalidate();
}

void TQovGradient::SetColorEnd(TColor value)
{
    FColorEnd = value;
    Invalidate();
}

void TQovGradient::SetGradient(TGradientDirection value)
{
    FGradient = value;
    Invalidate();
}

void TQovGradient::Paint()
{
    FillGradient(Canvas(), ClientRect(), FColorBegin, FColorEnd, FGradient);
    // A background belongs behind everything else on its parent, once: a sibling sent behind it
    // later stays there.
    if (!FSentToBack) {
        FSentToBack = true;
        SendToBack();
    }
    TGraphicControl::Paint();
}

namespace {

// A corner of the gradient: each colour byte goes into the high half of its 16-bit channel.
TRIVERTEX Vertex(int x, int y, TColor color)
{
    const TColor rgb = ColorToRGB(color);
    auto channel = [rgb](int shift) { return static_cast<COLOR16>(((rgb >> shift) & 0xFF) << 8); };
    return {x, y, channel(0), channel(8), channel(16), 2};
}

} // namespace

bool TQovGradient::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name == "ColorBegin")
        SetColorBegin(reader.Color(value));
    else if (name == "ColorEnd")
        SetColorEnd(reader.Color(value));
    else if (name == "Gradient")
        SetGradient(reader.Enumeration<TGradientDirection>(value, {{"gdHorizontal", gdHorizontal}, {"gdVertical", gdVertical}}));
    else
        return TGraphicControl::ReadProperty(name, value, reader);
    return true;
}

void FillGradient(TCanvas* canvas, const TRect& rect, TColor begin, TColor end, TGradientDirection direction)
{
    const TRIVERTEX vertices[2] = {Vertex(rect.Left, rect.Top, begin), Vertex(rect.Right, rect.Bottom, end)};
    const GRADIENT_RECT mesh = {0, 1};
    ULONG mode = 0;
    switch (direction) {
    case gdHorizontal: mode = GRADIENT_FILL_RECT_H; break;
    case gdVertical: mode = GRADIENT_FILL_RECT_V; break;
    default: return;
    }
    if (GradientFillFunc) {
        GradientFillFunc(canvas->Handle(), vertices, 2, &mesh, 1, mode);
    } else {
        canvas->SetBrushColor(begin);
        canvas->FillRect(rect);
    }
}

void InitializeQovGradient()
{
    MsImgHandle = nullptr;
    MsImgHandle = LoadLibraryA("MSIMG32.DLL");
    if (MsImgHandle)
        GradientFillFunc = reinterpret_cast<TGradientFill>(GetProcAddress(MsImgHandle, "GradientFill"));
}

void FinalizeQovGradient()
{
    if (MsImgHandle)
        FreeLibrary(MsImgHandle);
}

namespace {

// Runs the unit's start-up when the program loads and its shut-down when the program ends.
struct TQovGradientUnit {
    TQovGradientUnit() { InitializeQovGradient(); }
    ~TQovGradientUnit() { FinalizeQovGradient(); }
    TQovGradientUnit(const TQovGradientUnit&) = delete;
    TQovGradientUnit& operator=(const TQovGradientUnit&) = delete;
} Unit;

} // namespace
