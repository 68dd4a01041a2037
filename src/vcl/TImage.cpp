#include "vcl/TImage.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FIcon(std::make_unique<TIcon>())
{
    FIcon->OnChange = [this] { Invalidate(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::Paint()
{
    Canvas()->Draw(0, 0, *FIcon);
}
