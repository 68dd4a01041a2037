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

    // Offers the key to the children, the front-most first.
    bool DialogChar(char key) override;

    // Lays out the aligned and anchored children again.
    void Realign();
    // Holds the layout of the children while they change together; the last EnableAlign lays
    // them out once.
    void DisableAlign() { ++FAlignDisabled; }
    void EnableAlign();

    // The place of the control in its parent's keyboard focus order: lower first; equal ones in
    // the order they were placed.
    int TabOrder() const { return FTabOrder; }
    void SetTabOrder(int value);

    // Scales the control, then each child, then lays them out again.
    void ScaleBy(int M, int D) override;

    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

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
    void ApplyTabOrder();

    std::vector<TControl*> FControls;
    int FAlignDisabled = 0;
    int FTabOrder = 0;
};
