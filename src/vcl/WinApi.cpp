#include "vcl/WinApi.h"

#include <cstdint>
#include <limits>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator;
    std::int64_t quotient = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (denominator < 0))
        quotient = -quotient;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}

void SetRect(TRect* rect, int left, int top, int right, int bottom)
{
    *rect = {left, top, right, bottom};
}

TColor ColorToRGB(TColor color)
{
    return IsSystemColor(color) ? static_cast<TColor>(GetSysColor(color & 0xFF)) : color;
}
