#include "components/QovMesg.h"
#include "vcl/TForm.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>

TEST(QovButt, NewButtonHasTheMessageFormLook)
{
    TForm form(nullptr);
    auto* button = new TQovButt(&form);
    button->SetParent(&form);
    EXPECT_TRUE(button->Flat());
    EXPECT_TRUE(button->Transparent());
    EXPECT_EQ(button->Width(), 75);
    EXPECT_EQ(button->Height(), 22);
    EXPECT_EQ(button->Spacing(), 0);
    EXPECT_EQ(button->Cursor(), crHandPoint);
    EXPECT_EQ(button->ModalResult, mrNone);
    EXPECT_FALSE(button->ParentFont());
}

TEST(QovButt, KeepsItsOwnFontWhenTheParentsChanges)
{
    TForm form(nullptr);
    auto* button = new TQovButt(&form);
    button->SetParent(&form);
    const TFont before = *button->Font();
    form.Font()->SetHeight(-20);
    form.Font()->SetStyle(fsItalic);
    EXPECT_TRUE(*button->Font() == before);
}

TEST(QovButt, ClickReachesTheHandlerThatReadsTheModalResult)
{
    TForm form(nullptr);
    auto* button = new TQovButt(&form);
    button->SetParent(&form);
    button->ModalResult = mrRetry;
    TModalResult seen = mrNone;
    button->OnClick = [&](TObject* sender) { seen = static_cast<TQovButt*>(sender)->ModalResult; };
    WindowHarness::Click(button);
    EXPECT_EQ(seen, mrRetry);
}
