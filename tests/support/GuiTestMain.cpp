// Runs the window tests on Qt's offscreen platform: real windows, no display needed.
#include "vcl/TApplication.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    Application->Initialize();
    const int result = RUN_ALL_TESTS();
    Application->Finalize();
    return result;
}
