#include "components/QovMesg.h"

// ---- TQovButt ----------------------------------------------------------------------------------

TQovButt::TQovButt(TComponent* AOwner) : TSpeedButton(AOwner)
{
    SetCursor(crHandPoint);
    SetParentFont(false);
    SetFlat(true);
    SetSpacing(0);
    SetWidth(75);
    SetTransparent(true);
}

TQovButt::~TQovButt() = default;
