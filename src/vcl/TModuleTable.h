#pragma once
// The system libraries that LoadLibraryA finds, with their exports. The program's table holds
// "MSIMG32.DLL" exporting GradientFill. Changing the table shows how a program copes with a system
// that lacks a library or an export; code that looked something up before keeps what it got.

#include "vcl/WinApi.h"

#include <string_view>

class TModuleTable {
public:
    // Adds an export to a module (a new module when the table has none of that name), or gives an
    // existing export a new address.
    static void AddExport(std::string_view module, std::string_view name, FARPROC address);
    // Takes an export out of a module; later GetProcAddress calls for it give null.
    static void RemoveExport(std::string_view module, std::string_view name);
    // An unavailable module is not found by LoadLibraryA; handles already given out stay valid.
    static void SetAvailable(std::string_view module, bool available);
    // How many LoadLibraryA calls for the module are not yet matched by FreeLibrary.
    static int LoadCount(std::string_view module);
};
