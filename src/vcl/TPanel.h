#pragma once
// A container with a raised one-pixel bevel; aligned children share the area inside the bevel.

#include "vcl/TWinControl.h"

#include <string>
#include <string_view>

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* AOwner);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(std::string_view value);

    static constexpr int BevelWidth = 1;

protected:
    TRect AlignRect() const override;

private:
    std::string FCaption;
};
