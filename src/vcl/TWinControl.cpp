// Layout of a container's children; the same on every platform.
#include "vcl/TWinControl.h"

#include "vcl/TFormReader.h"

#include <algorithm>

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const int oldClientWidth = ClientWidth();
    const int oldClientHeight = ClientHeight();
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    AlignControls(oldClientWidth, oldClientHeight);
}

void TWinControl::Realign()
{
    AlignControls(ClientWidth(), ClientHeight());
}

void TWinControl::EnableAlign()
{
    if (--FAlignDisabled == 0)
        Realign();
}

void TWinControl::ScaleBy(int M, int D)
{
    // Children are scaled where they stand, not moved along with their anchors first.
    DisableAlign();
    TControl::ScaleBy(M, D);
    for (TControl* c : FControls)
        c->ScaleBy(M, D);
    EnableAlign();
}

void TWinControl::SetTabOrder(int value)
{
    FTabOrder = value;
    if (Parent())
        Parent()->ApplyTabOrder();
}

bool TWinControl::ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader)
{
    if (name != "TabOrder")
        return TControl::ReadProperty(name, value, reader);
    SetTabOrder(reader.Integer(value));
    return true;
}

void TWinControl::InsertControl(TControl* control)
{
    FControls.push_back(control);
}

void TWinControl::RemoveControl(TControl* control)
{
    std::erase(FControls, control);
}

void TWinControl::MoveToBack(TControl* control)
{
    RemoveControl(control);
    FControls.insert(FControls.begin(), control);
}

void TWinControl::MoveToFront(TControl* control)
{
    RemoveControl(control);
    FControls.push_back(control);
}

namespace {

// Moves or stretches one side pair of a control so that it keeps its distances to the anchored
// sides of its parent after the parent grew by delta.
void FollowAnchors(bool nearAnchored, bool farAnchored, int delta, int& position, int& size)
{
    if (nearAnchored && farAnchored)
        size = std::max(0, size + delta);
    else if (farAnchored)
        position += delta;
    else if (!nearAnchored)
        position += delta / 2;
}

} // namespace

void TWinControl::AlignControls(int oldClientWidth, int oldClientHeight)
{
    if (FAlignDisabled > 0)
        return;
    const int dw = ClientWidth() - oldClientWidth;
    const int dh = ClientHeight() - oldClientHeight;
    if (dw != 0 || dh != 0) {
        for (TControl* c : FControls) {
            if (c->Align() != alNone)
                continue;
            int left = c->Left(), top = c->Top(), width = c->Width(), height = c->Height();
            const TAnchors a = c->Anchors();
            FollowAnchors(a & akLeft, a & akRight, dw, left, width);
            FollowAnchors(a & akTop, a & akBottom, dh, top, height);
            c->SetBounds(left, top, width, height);
        }
    }

    // Edges first, in the platform's order, then the client-aligned controls fill what is left.
    TRect free = AlignRect();
    auto place = [&](TAlign which) {
        for (TControl* c : FControls) {
            if (c->Align() != which || !c->Visible())
                continue;
            switch (which) {
            case alTop:
                c->SetBounds(free.Left, free.Top, free.Width(), c->Height());
                free.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(free.Left, free.Bottom - c->Height(), free.Width(), c->Height());
                free.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(free.Left, free.Top, c->Width(), free.Height());
                free.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(free.Right - c->Width(), free.Top, c->Width(), free.Height());
                free.Right -= c->Width();
                break;
            case alClient:
                c->SetBounds(free.Left, free.Top, std::max(0, free.Width()), std::max(0, free.Height()));
                break;
            case alNone:
                break;
            }
        }
    };
    for (TAlign which : {alTop, alBottom, alLeft, alRight, alClient})
        place(which);
}

bool TWinControl::DialogChar(char key)
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if ((*it)->Visible() && (*it)->DialogChar(key))
            return true;
    return false;
}

void TWinControl::FontChanged()
{
    for (TControl* c : FControls)
        c->ParentFontChanged(*Font());
}
