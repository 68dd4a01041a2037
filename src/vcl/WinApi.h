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

// Sets system colours for the whole application: the system colour index elements[n] takes the
// value rgbValues[n] (0x00BBGGRR). Controls that show a system colour follow at their next paint.
BOOL SetSysColors(int count, const int* elements, const DWORD* rgbValues);

// ---- Modules: LoadLibraryA, GetProcAddress and FreeLibrary over our own module table ----------
// The table holds the system libraries the program asks for by name (see TModuleTable.h); module
// names ignore letter case and may leave out ".DLL", export names are exact.

struct HINSTANCE__;
using HMODULE = HINSTANCE__*;
// The address of an export; cast it to the export's own function type before calling it.
using FARPROC = void (*)();

// The module of that name with its load count raised, or null when the table has no such module.
HMODULE LoadLibraryA(const char* fileName);
// The address of the named export of a loaded module, or null when the module has no such export.
FARPROC GetProcAddress(HMODULE module, const char* procName);
// Lowers the module's load count; FALSE for a module that is not loaded.
BOOL FreeLibrary(HMODULE module);

// ---- "MSIMG32.DLL" ---------------------------------------------------------------------------

// A corner of a gradient: its position and its colour, each channel 16 bits with the colour's byte
// in the high half.
struct TRIVERTEX {
    LONG x;
    LONG y;
    COLOR16 Red;
    COLOR16 Green;
    COLOR16 Blue;
    COLOR16 Alpha;
};

// A rectangle for GradientFill, given by the indices of its upper-left and lower-right vertices.
struct GRADIENT_RECT {
    ULONG UpperLeft;
    ULONG LowerRight;
};

constexpr ULONG GRADIENT_FILL_RECT_H = 0;
constexpr ULONG GRADIENT_FILL_RECT_V = 1;

// Fills each rectangle of mesh with a gradient between its two vertices' colours: left to right
// (GRADIENT_FILL_RECT_H) or top to bottom (GRADIENT_FILL_RECT_V). Each 16-bit channel is
// interpolated linearly per pixel column (row): the first column has the upper-left vertex's colour
// exactly and the last one comes within one step of the lower-right vertex's colour.
// FALSE when the device context is not painting, a vertex index is out of range or the mode is
// neither of the two.
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount, ULONG mode);
// GradientFill's type, for callers that look it up with GetProcAddress.
using TGradientFill = BOOL (*)(HDC, const TRIVERTEX*, ULONG, const void*, ULONG, ULONG);
