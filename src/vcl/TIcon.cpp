#include "vcl/TIcon.h"

void TIcon::SetHandle(HICON value)
{
    FHandle = value;
    if (OnChange)
        OnChange();
}
