#pragma once
// A control without a window of its own that draws itself on a canvas in Paint.

#include "vcl/TCanvas.h"
#include "vcl/TControl.h"

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

    // Draws the control; the canvas is ready to draw on while it runs. The platform calls it.
    virtual void Paint() {}

    // The platform reports the mouse and its left button here. By default a press and a release
    // inside the control make a click; x and y are relative to the control.
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    virtual void MouseDown(int x, int y);
    virtual void MouseUp(int x, int y);

protected:
    TGraphicControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer);
    void FontChanged() override;
    // Whether the left button went down on the control and is not yet released.
    bool MousePressed() const { return FMousePressed; }

private:
    std::unique_ptr<TCanvas> FCanvas;
    bool FMousePressed = false;
};
