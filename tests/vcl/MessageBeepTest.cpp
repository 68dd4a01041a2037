#include "BeepRecorder.h"
#include "vcl/WinApi.h"

#include <chrono>
#include <gtest/gtest.h>

TEST(MessageBeep, ListenerHearsEachTypeInOrder)
{
    TBeepRecorder recorder;
    for (UINT type : {MB_ICONEXCLAMATION, MB_OK, MB_ICONASTERISK})
        EXPECT_TRUE(MessageBeep(type));
    EXPECT_EQ(recorder.Sounds(), (std::vector<UINT>{48, 0, 64}));
}

TEST(MessageBeep, ReturnsAtOnceWhateverTheSoundDevice)
{
    // The test machine may have no sound device or server: the calls must neither wait nor fail.
    const auto start = std::chrono::steady_clock::now();
    for (UINT type : {MB_OK, MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK, 0xFFFFFFFFu})
        EXPECT_TRUE(MessageBeep(type));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
}
