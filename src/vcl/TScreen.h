#pragma once
// The screen the program shows its windows on.

#include "vcl/TComponent.h"

class TScreen : public TComponent {
public:
    TScreen() : TComponent(nullptr) {}
    int Width() const;
    int Height() const;
    // Pixels per inch of the screen; the stored sizes of forms are scaled from 96.
    int PixelsPerInch() const;
};

extern TScreen* Screen;
