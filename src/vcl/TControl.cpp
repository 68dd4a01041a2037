// The parts of a control that are the same on every platform.
#include "vcl/TControl.h"

#include "vcl/TFormReader.h"
#include "vcl/WinApi.h"

void TControl::ScaleBy(int M, int D)
{
    ScaleBounds(M, D);
    // A control that shows its parent's font is scaled with the parent's.
    if (!FParentFont)
        FFont->SetHeight(MulDiv(FFont->Height(), M, D));
}

void TControl::ScaleBounds(int M, int D)
{
    SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
}

bool TControl::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name == "Left")
        SetLeft(reader.Integer(value));
    else if (name == "Top")
        SetTop(reader.Integer(value));
    else if (name == "Width")
        SetWidth(reader.Integer(value));
    else if (name == "Height")
        SetHeight(reader.Integer(value));
    else if (name == "Align")
        SetAlign(reader.Enumeration<TAlign>(value, {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
                                                    {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}}));
    else if (name == "Anchors")
        SetAnchors(reader.Set<TAnchors>(value, {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}}));
    else if (name == "Visible")
        SetVisible(reader.Boolean(value));
    else if (name == "Cursor")
        SetCursor(reader.Enumeration<TCursor>(value, {{"crDefault", crDefault}, {"crArrow", crArrow}, {"crIBeam", crIBeam},
                                                      {"crHourGlass", crHourGlass}, {"crHandPoint", crHandPoint}}));
    else if (name == "Color")
        SetColor(reader.Color(value));
    else if (name == "ParentFont")
        SetParentFont(reader.Boolean(value));
    else if (name.starts_with("Font."))
        return reader.FontAttribute(*FFont, name.substr(5), value);
    else if (name == "OnClick")
        OnClick = reader.Handler(value);
    else
        return TComponent::ReadProperty(name, value, reader);
    return true;
}
