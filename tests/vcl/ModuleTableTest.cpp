#include "vcl/TModuleTable.h"

#include <gtest/gtest.h>

TEST(ModuleTable, FindsGradientFillInTheImagingLibrary)
{
    for (const char* name : {"MSIMG32.DLL", "msimg32.dll", "Msimg32"}) {
        SCOPED_TRACE(name);
        HMODULE module = LoadLibraryA(name);
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(GetProcAddress(module, "GradientFill"), reinterpret_cast<FARPROC>(&GradientFill));
        // Export names are exact.
        EXPECT_EQ(GetProcAddress(module, "gradientfill"), nullptr);
        EXPECT_EQ(GetProcAddress(module, "AlphaBlend"), nullptr);
        EXPECT_TRUE(FreeLibrary(module));
    }
}

TEST(ModuleTable, UnknownLibraryIsNotFound)
{
    EXPECT_EQ(LoadLibraryA("NOSUCH.DLL"), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "GradientFill"), nullptr);
    EXPECT_FALSE(FreeLibrary(nullptr));
}

TEST(ModuleTable, EachLoadIsMatchedByOneFree)
{
    const int before = TModuleTable::LoadCount("MSIMG32.DLL");
    HMODULE first = LoadLibraryA("MSIMG32.DLL");
    HMODULE second = LoadLibraryA("MSIMG32.DLL");
    EXPECT_EQ(first, second);
    EXPECT_EQ(TModuleTable::LoadCount("MSIMG32.DLL"), before + 2);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_EQ(TModuleTable::LoadCount("MSIMG32.DLL"), before);
}

TEST(ModuleTable, FreedLibraryGivesNoMoreExports)
{
    TModuleTable::AddExport("TESTONLY.DLL", "Probe", reinterpret_cast<FARPROC>(&GradientFill));
    HMODULE module = LoadLibraryA("TestOnly.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_NE(GetProcAddress(module, "Probe"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(GetProcAddress(module, "Probe"), nullptr);
    EXPECT_FALSE(FreeLibrary(module));
}

TEST(ModuleTable, MissingExportAndUnavailableLibraryCanBeSimulated)
{
    HMODULE module = LoadLibraryA("MSIMG32.DLL");
    TModuleTable::RemoveExport("MSIMG32.DLL", "GradientFill");
    EXPECT_EQ(GetProcAddress(module, "GradientFill"), nullptr);
    TModuleTable::AddExport("MSIMG32.DLL", "GradientFill", reinterpret_cast<FARPROC>(&GradientFill));
    EXPECT_NE(GetProcAddress(module, "GradientFill"), nullptr);

    TModuleTable::SetAvailable("MSIMG32.DLL", false);
    EXPECT_EQ(LoadLibraryA("MSIMG32.DLL"), nullptr);
    // A handle given out before stays usable.
    EXPECT_NE(GetProcAddress(module, "GradientFill"), nullptr);
    TModuleTable::SetAvailable("MSIMG32.DLL", true);
    EXPECT_TRUE(FreeLibrary(module));
}
