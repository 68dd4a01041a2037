#pragma once
// A control that holds other controls. It lays out its aligned children (alTop, alBottom, alLeft,
// alRight, then alClient in what is left) and keeps anchored children at their distances when it
// is resized.

#include "vcl/TControl.h"

#include <vector>

class TWinControl : public TControl {
public:
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(FControls.size()); }
    // Children in painting order: the first is drawn first, behind the others.
    TControl* Controls(int index) const { return FControls.at(static_cast<std::size_t>(index)); }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Whether the control can take the keyboard focus, and taking it.
    virtual bool CanFocus() const;
    void SetFocus();
    bool Focused() const;

    // Lays out the aligned and anchored children again.
    void Realign();

protected:
    TWinControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer);

    // The area that aligned children share; a bevelled panel narrows it.
    virtual TRect AlignRect() const { return ClientRect(); }
    void FontChanged() override;

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void MoveToBack(TControl* control);
    void MoveToFront(TControl* control);
    void AlignControls(int oldClientWidth, int oldClientHeight);

    std::vector<TControl*> FControls;
};
