#pragma once
// An icon picture held by its handle. The icons the program shows are the system's shared
// standard icons (LoadIconA), so an icon refers to its handle and never frees it.

#include "vcl/WinApi.h"

#include <functional>

class TIcon : public TObject {
public:
    HICON Handle() const { return FHandle; }
    void SetHandle(HICON value);
    bool Empty() const { return FHandle == nullptr; }

    std::function<void()> OnChange;

private:
    HICON FHandle = nullptr;
};
