#pragma once
// A multi-line text box that shows a line list, one line of the list on each line of the box.
// Lines are never wrapped: a long line runs on past the right edge, to be reached with the
// horizontal scroll bar. The user may edit the text on view; what is typed stays in the box and
// does not change Lines, whose next change replaces it.
//
// The box shows Lines as they are when the program next waits for the user: any number of
// changes in one event cost one refresh, and a hidden box costs none until it is shown. Only the
// lines in view are drawn, so a list of any length shows at once.

#include "core/LineList.h"
#include "vcl/TWinControl.h"

#include <cstdint>

enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;

class TMemo : public TWinControl {
public:
    // An empty 185 x 89 box in the window colour, without scroll bars; it takes the keyboard focus.
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    // The lines on view. The box follows the list's OnChange, which it keeps for itself.
    TLineList& Lines() { return FLines; }
    const TLineList& Lines() const { return FLines; }

    // The scroll bars the box shows, whether or not there is anything to scroll.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);

    bool ReadProperty(std::string_view name, const TPropertyValue& value, const TFormReader& reader) override;

protected:
    void ColorChanged() override;

private:
    TLineList FLines;
    TScrollStyle FScrollBars = ssNone;
};
