#pragma once
// Unit QovMesg: the message dialog's pieces.

#include "vcl/TSpeedButton.h"

// The message dialog's button: a flat, transparent speed button with the hand cursor and a font of
// its own, carrying the modal result that a click gives the dialog (mrNone keeps it open).
class TQovButt : public TSpeedButton {
public:
    // 75 x 22, flat, transparent, Spacing 0, crHandPoint, ParentFont false, ModalResult mrNone.
    explicit TQovButt(TComponent* AOwner);
    ~TQovButt() override;

    TModalResult ModalResult = mrNone;
};
