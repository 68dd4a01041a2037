#pragma once
// A control that shows a picture, here an icon, at its top-left corner in its natural size.
// Whatever the picture leaves uncovered shows the controls behind.

#include "vcl/TGraphicControl.h"
#include "vcl/TIcon.h"

#include <memory>

class TImage : public TGraphicControl {
public:
    // A new image is 105 x 105 and empty.
    explicit TImage(TComponent* AOwner);
    ~TImage() override;

    TIcon* Icon() const { return FIcon.get(); }

    void Paint() override;

private:
    std::unique_ptr<TIcon> FIcon;
};
