// The program's own pictures, built into it: the window icon and the two button glyphs, 16 colours
// each. The glyphs' bottom-left colour (magenta) is their transparent colour.
#include "vcl/TImageResources.h"

#include "btnconvert.xpm"
#include "btnquit.xpm"
#include "mainicon.xpm"

namespace {

const bool Registered = [] {
    TImageResources::Register("MAINICON", mainicon_xpm);
    TImageResources::Register("BTNCONVERT", btnconvert_xpm);
    TImageResources::Register("BTNQUIT", btnquit_xpm);
    return true;
}();

} // namespace
