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

protected:
    TGraphicControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer);
    void FontChanged() override;

private:
    std::unique_ptr<TCanvas> FCanvas;
};
