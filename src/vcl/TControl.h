#pragma once
// A visible control: bounds within its parent, alignment, anchors, visibility, cursor, font and a
// click event. Each control is shown through a native peer that the platform implementation makes.

#include "vcl/TComponent.h"
#include "vcl/TFont.h"

#include <memory>

class TPeer;
class TWinControl;

class TControl : public TComponent {
public:
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    // Places the control on the parent (or takes it off with null) and shows it there.
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    // The area inside the control, from (0, 0).
    virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value) { FAnchors = value; }

    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }

    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);

    // The control's own font. Writing it (or any of its attributes) clears ParentFont.
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(*value); }
    // While true the control shows its parent's font and follows its changes.
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // Asks for a repaint at the next chance.
    void Invalidate();
    // Moves the control behind (or in front of) all its siblings.
    void SendToBack();
    void BringToFront();

    TNotifyEvent OnClick;
    // Raises OnClick; the platform calls it when the user clicks the control. An exception that
    // leaves the handler is shown by the application, and the program goes on.
    virtual void Click();

    // A key that no control with the focus took: a control whose accelerator it is acts on it
    // and gives true.
    virtual bool DialogChar(char key);

    // Whether the control is on view: it and every control it stands on are visible.
    bool Showing() const;

    // Scales position, size and own font by M / D, for a screen of another pixel density than the
    // one the sizes were made for.
    virtual void ScaleBy(int M, int D);

    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

    // The native side of the control, for the platform implementation.
    TPeer* Peer() const { return FPeer.get(); }

protected:
    TControl(TComponent* AOwner, std::unique_ptr<TPeer> APeer);

    // Scales the bounds for ScaleBy; a form scales its client area instead.
    virtual void ScaleBounds(int M, int D);

    // Hooks for derived controls, called after the change is stored.
    virtual void BoundsChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged();

private:
    friend class TWinControl;
    void ApplyFont();
    void ParentFontChanged(const TFont& parentFont);

    std::unique_ptr<TPeer> FPeer;
    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors = DefaultAnchors;
    bool FVisible = true;
    TCursor FCursor = crDefault;
    TColor FColor = clBtnFace;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFollowingParent = false;
};
