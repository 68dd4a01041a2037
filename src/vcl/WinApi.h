#pragma once
// The few Windows calls the program makes, on our own types. A device context (HDC) is the
// canvas's drawing surface; its definition belongs to the platform implementation.

#include "vcl/Types.h"

#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using ULONG = std::uint32_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using COLOR16 = std::uint16_t;

struct HDC__;
using HDC = HDC__*;

// Multiplies, then divides with the result rounded half away from zero; 64-bit intermediate.
// A zero divisor or a result outside 32 bits gives -1.
int MulDiv(int number, int numerator, int denominator);

// The current colour of a system colour index, as 0x00BBGGRR (from the application palette).
DWORD GetSysColor(int index);

void SetRect(TRect* rect, int left, int top, int right, int bottom);
