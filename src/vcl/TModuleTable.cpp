// The module table behind LoadLibraryA, GetProcAddress and FreeLibrary; the same on every platform.
#include "vcl/TModuleTable.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct HINSTANCE__ {
    std::string Name;
    std::map<std::string, FARPROC, std::less<>> Exports;
    int LoadCount = 0;
    bool Available = true;
};

namespace {

// Module names compare as the system compares file names: letter case ignored, ".DLL" implied.
std::string ModuleKey(std::string_view name)
{
    std::string key(name);
    std::ranges::transform(key, key.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (key.find('.') == std::string::npos)
        key += ".DLL";
    return key;
}

std::vector<std::unique_ptr<HINSTANCE__>> BuiltInModules()
{
    std::vector<std::unique_ptr<HINSTANCE__>> modules;
    auto msimg = std::make_unique<HINSTANCE__>();
    msimg->Name = "MSIMG32.DLL";
    msimg->Exports.emplace("GradientFill", reinterpret_cast<FARPROC>(&GradientFill));
    modules.push_back(std::move(msimg));
    return modules;
}

// Built on first use, so that unit start-up code running before main finds it ready.
std::vector<std::unique_ptr<HINSTANCE__>>& Modules()
{
    static std::vector<std::unique_ptr<HINSTANCE__>> modules = BuiltInModules();
    return modules;
}

HINSTANCE__* FindModule(std::string_view name)
{
    const std::string key = ModuleKey(name);
    for (const auto& module : Modules())
        if (module->Name == key)
            return module.get();
    return nullptr;
}

HINSTANCE__& FindOrAddModule(std::string_view name)
{
    if (HINSTANCE__* module = FindModule(name))
        return *module;
    auto module = std::make_unique<HINSTANCE__>();
    module->Name = ModuleKey(name);
    return *Modules().emplace_back(std::move(module));
}

bool IsLoaded(HMODULE handle)
{
    return handle && handle->LoadCount > 0 &&
           std::ranges::any_of(Modules(), [handle](const auto& module) { return module.get() == handle; });
}

} // namespace

void TModuleTable::AddExport(std::string_view module, std::string_view name, FARPROC address)
{
    FindOrAddModule(module).Exports.insert_or_assign(std::string(name), address);
}

void TModuleTable::RemoveExport(std::string_view module, std::string_view name)
{
    if (HINSTANCE__* found = FindModule(module))
        if (auto it = found->Exports.find(name); it != found->Exports.end())
            found->Exports.erase(it);
}

void TModuleTable::SetAvailable(std::string_view module, bool available)
{
    FindOrAddModule(module).Available = available;
}

int TModuleTable::LoadCount(std::string_view module)
{
    const HINSTANCE__* found = FindModule(module);
    return found ? found->LoadCount : 0;
}

HMODULE LoadLibraryA(const char* fileName)
{
    HINSTANCE__* module = fileName ? FindModule(fileName) : nullptr;
    if (!module || !module->Available)
        return nullptr;
    ++module->LoadCount;
    return module;
}

FARPROC GetProcAddress(HMODULE module, const char* procName)
{
    if (!procName || !IsLoaded(module))
        return nullptr;
    const auto it = module->Exports.find(std::string_view(procName));
    return it == module->Exports.end() ? nullptr : it->second;
}

BOOL FreeLibrary(HMODULE module)
{
    if (!IsLoaded(module))
        return 0;
    --module->LoadCount;
    return 1;
}
