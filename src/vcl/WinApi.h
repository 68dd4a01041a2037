#pragma once
// The few Windows calls the program makes, on our own types. A device context (HDC) is the
// canvas's drawing surface; its definition belongs to the platform implementation.

#include "vcl/Types.h"

#include <cstdint>
#include <functional>

using BOOL = int;
using UINT = unsigned int;
using ULONG = std::uint32_t;
using LONG = std::int32_t;
using DWORD = std::uint32_t;
using COLOR16 = std::uint16_t;
using LPCSTR = const char*;

struct HDC__;
using HDC = HDC__*;

// A module of the program; the null instance stands for the system's own resources.
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

// An icon picture. The system's standard icons are shared: they live as long as the program and
// are never freed by their users.
struct HICON__;
using HICON = HICON__*;

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

// Multiplies, then divides with the result rounded half away from zero; 64-bit intermediate.
// A zero divisor or a result outside 32 bits gives -1.
int MulDiv(int number, int numerator, int denominator);

// The current colour of a system colour index, as 0x00BBGGRR (from the application palette).
DWORD GetSysColor(int index);

void SetRect(TRect* rect, int left, int top, int right, int bottom);

// ---- Icons -----------------------------------------------------------------------------------

// A resource named by number rather than by text.
inline LPCSTR MAKEINTRESOURCEA(int id) { return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id)); }
inline bool IS_INTRESOURCE(LPCSTR name) { return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0; }

constexpr int IDI_HAND = 32513;        // error
constexpr int IDI_QUESTION = 32514;    // question
constexpr int IDI_EXCLAMATION = 32515; // warning
constexpr int IDI_ASTERISK = 32516;    // information

// The standard icon named by MAKEINTRESOURCEA(IDI_...), 32 x 32 pixels, when instance is null.
// Gives null for any other name, for a module's own icons (we have none) and before the
// application is initialised.
HICON LoadIconA(HINSTANCE instance, LPCSTR iconName);

// ---- Text ------------------------------------------------------------------------------------

constexpr UINT DT_LEFT = 0x0000;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_RIGHT = 0x0002;
constexpr UINT DT_WORDBREAK = 0x0010;
constexpr UINT DT_CALCRECT = 0x0400;
constexpr UINT DT_NOPREFIX = 0x0800;

// Draws text (count bytes, or up to the terminating zero when count is -1) in the rectangle, in
// the device context's font and font colour, clipped to the rectangle. CR LF, CR and LF each end a
// line. DT_WORDBREAK wraps lines between words to the rectangle's width (a word wider than that
// stands alone on its line and overhangs). Unless DT_NOPREFIX is given, "&" marks the next
// letter as an accelerator: it is underlined and the "&" itself is neither shown nor measured
// ("&&" shows one "&"). DT_CALCRECT draws nothing: it sets the rectangle's right edge to the
// widest line and its bottom edge to the last line; an empty text measures 0 x 0.
// Returns the height of the text.
int DrawTextA(HDC dc, LPCSTR text, int count, TRect* rect, UINT format);

// The width of the count bytes of text and the height of the device context's font.
BOOL GetTextExtentPointA(HDC dc, LPCSTR text, int count, SIZE* size);

// ---- Sounds ----------------------------------------------------------------------------------

constexpr UINT MB_OK = 0x00;              // the default beep
constexpr UINT MB_ICONHAND = 0x10;        // error
constexpr UINT MB_ICONQUESTION = 0x20;    // question
constexpr UINT MB_ICONEXCLAMATION = 0x30; // warning
constexpr UINT MB_ICONASTERISK = 0x40;    // information

// Starts the event sound of the type and returns at once; the sound plays on (or not, without a
// sound device) while the program goes on. Types other than those above sound the default beep.
BOOL MessageBeep(UINT type);

// Where MessageBeep's sound types go instead of the sound system while one is set: tests listen
// here. Gives back the listener it replaces; an empty listener lets the sounds play again.
using TMessageBeepListener = std::function<void(UINT type)>;
TMessageBeepListener SetMessageBeepListener(TMessageBeepListener listener);

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
