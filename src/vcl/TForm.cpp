// The parts of a form that are the same on every platform.
#include "vcl/TForm.h"

#include "vcl/TFormReader.h"
#include "vcl/WinApi.h"

void TForm::ScaleBounds(int M, int D)
{
    // The frame belongs to the window system: only the client area is scaled.
    SetClientWidth(MulDiv(ClientWidth(), M, D));
    SetClientHeight(MulDiv(ClientHeight(), M, D));
}

bool TForm::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name == "Caption")
        SetCaption(reader.String(value));
    else if (name == "ClientWidth")
        SetClientWidth(reader.Integer(value));
    else if (name == "ClientHeight")
        SetClientHeight(reader.Integer(value));
    else if (name == "BorderStyle")
        SetBorderStyle(reader.Enumeration<TFormBorderStyle>(
            value, {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog}}));
    else if (name == "FormStyle")
        SetFormStyle(reader.Enumeration<TFormStyle>(value, {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}}));
    else if (name == "Position")
        SetPosition(reader.Enumeration<TPosition>(value, {{"poDesigned", poDesigned}, {"poScreenCenter", poScreenCenter}}));
    else if (name == "Icon")
        Icon()->SetHandle(LoadIconA(HInstance, reader.Picture(value).c_str()));
    else if (name == "PixelsPerInch")
        SetPixelsPerInch(reader.Integer(value));
    else if (name == "OnCreate")
        OnCreate = reader.Handler(value);
    else if (name == "OldCreateOrder") {
        // OnCreate always runs once every control exists; the old order, during construction, is not kept.
        if (reader.Boolean(value))
            reader.Fail("OldCreateOrder True is not supported");
    } else if (name == "TextHeight")
        // The height of a line of the form's font where it was made: the form is scaled by
        // pixels per inch alone, so it is kept as a record only.
        (void)reader.Integer(value);
    else
        return TWinControl::ReadProperty(name, value, reader);
    return true;
}
