// A message dialog that is showing when the application ends gives mrCancel and is freed.
#include "DialogDriver.h"

#include <gtest/gtest.h>

TEST(QovMesg, ApplicationEndingGivesCancel)
{
    TQovMesg mesg(nullptr);
    const int formsBefore = Application->ComponentCount();
    Application->Post([] { Application->Terminate(); });
    EXPECT_EQ(mesg.MessageShow("Still there?", "", "mbYes,mbNo", -1, -1), mrCancel);
    EXPECT_EQ(Application->ComponentCount(), formsBefore);
}
