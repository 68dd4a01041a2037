#pragma once
// Drives controls the way a person does and reads back what they show: tests and demonstrations
// use it to check pixels and to keep a picture of a window for a person to look at.

#include "vcl/TBitmap.h"
#include "vcl/TControl.h"

#include <string>

namespace WindowHarness {

// What the control shows in its window, as a picture of the control's size: the control painted
// over whatever shows through from behind it. An empty picture for a control without a window or
// of no size.
void Grab(const TControl* control, TBitmap& picture);
// Paints the control alone into the picture, resized to the control's size when it differs:
// where the control paints nothing the picture keeps what it held. Repeated renders into one
// picture allocate nothing, so this measures painting itself.
void Render(const TControl* control, TBitmap& picture);
// Saves what the control shows as a PNG (or BMP, by the file name) file. Throws EFCreateError when
// the file cannot be written.
void SaveScreenshot(const TControl* control, const std::string& fileName);

// Lets every repaint that is waiting happen now.
void ProcessPaints();

// The mouse moves onto or off the control, and its left button goes down or up at (x, y) in the
// control's coordinates.
void MouseEnter(TControl* control);
void MouseLeave(TControl* control);
void MouseDown(TControl* control, int x, int y);
void MouseUp(TControl* control, int x, int y);
// Moves onto the control, presses and releases in its middle, and moves off again.
void Click(TControl* control);
// Presses and releases a letter or digit key in the control's window, with Alt held when asked;
// the key goes to the control that has the focus there, or to the window itself.
void KeyPress(TControl* window, char key, bool withAlt = false);

} // namespace WindowHarness
