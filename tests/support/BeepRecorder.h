#pragma once
// Hears MessageBeep instead of the sound system for the life of the object: each call's sound
// type is kept in Sounds(), in order, and nothing plays.

#include "vcl/WinApi.h"

#include <utility>
#include <vector>

class TBeepRecorder {
public:
    TBeepRecorder() : FPrevious(SetMessageBeepListener([this](UINT type) { FSounds.push_back(type); })) {}
    ~TBeepRecorder() { SetMessageBeepListener(std::move(FPrevious)); }

    TBeepRecorder(const TBeepRecorder&) = delete;
    TBeepRecorder& operator=(const TBeepRecorder&) = delete;

    const std::vector<UINT>& Sounds() const { return FSounds; }

private:
    std::vector<UINT> FSounds;
    TMessageBeepListener FPrevious;
};
