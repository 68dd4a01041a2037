#include "vcl/TApplication.h"
#include "vcl/TForm.h"

#include <gtest/gtest.h>

TEST(Modal, ResultEndsTheLoopAndHidesTheForm)
{
    TForm form(nullptr);
    Application->Post([&] {
        EXPECT_TRUE(form.Visible());
        form.SetModalResult(mrNone); // no result: stays open
        Application->Post([&] { form.SetModalResult(mrNo); });
    });
    EXPECT_EQ(form.ShowModal(), mrNo);
    EXPECT_FALSE(form.Visible());
}

TEST(Modal, CloseBoxGivesCancel)
{
    TForm form(nullptr);
    Application->Post([&] { form.Close(); });
    EXPECT_EQ(form.ShowModal(), mrCancel);
}
