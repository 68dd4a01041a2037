// The main window as it is built and laid out.
#include "MainWindowDriver.h"
#include "core/Path.h"
#include "vcl/TFormReader.h"
#include "vcl/TScreen.h"

#include <gtest/gtest.h>

TEST(MainWindow, IsBuiltWithItsStoredValues)
{
    TMainWindowDriver person;
    TfrmMain form(nullptr);
    EXPECT_EQ(form.Caption(), "Morvo51 / 52 / 53 to Morvo54 Ini Converter");
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 495, 314));
    EXPECT_EQ(form.Position(), poScreenCenter);
    EXPECT_EQ(form.Font()->Height(), -11);
    EXPECT_EQ(form.Font()->Name(), "MS Sans Serif");
    EXPECT_FALSE(form.Icon()->Empty());
    // FormCreate ran once everything existed: the program's folder, with its separator.
    EXPECT_EQ(ExeDir, ExtractFilePath(Application->ExeName()));
    EXPECT_TRUE(ExeDir.ends_with('/'));

    // The fields hold the stored objects, in the window's ownership.
    EXPECT_EQ(form.FindComponent("Memo2"), form.Memo2);
    EXPECT_EQ(form.QovGradient1->Parent(), form.Panel1);
    EXPECT_EQ(form.OpenDialog1->Owner(), &form);

    EXPECT_EQ(form.btnConvert->Caption(), " Convert");
    EXPECT_EQ(form.btnQuit->Caption(), "  Quit");
    for (TSpeedButton* button : {form.btnConvert, form.btnQuit}) {
        EXPECT_TRUE(button->Flat());
        EXPECT_EQ(button->Cursor(), crHandPoint);
        EXPECT_EQ(button->Font()->Style(), fsBold);
        EXPECT_FALSE(button->ParentFont());
        EXPECT_EQ(button->Glyph()->Width(), 18);
        EXPECT_EQ(button->Glyph()->Height(), 18);
    }
    EXPECT_EQ(form.Memo1->ScrollBars(), ssBoth);
    EXPECT_EQ(form.Memo2->ScrollBars(), ssBoth);
    EXPECT_EQ(form.QovGradient1->Gradient(), gdHorizontal);
    EXPECT_EQ(form.QovMesg1->ColorGradient1(), clWhite);
    EXPECT_EQ(form.QovMesg1->ColorGradient2(), clSilver);
    EXPECT_EQ(form.QovMesg1->SoundNum(), -1);
    EXPECT_EQ(form.QovMesg1->Symbol(), dgWarning);
    EXPECT_EQ(form.QovMesg1->FontText()->Height(), -11);
    EXPECT_EQ(form.QovMesg1->FontButton()->Style(), 0);
}

TEST(MainWindow, KeepsItsLayoutWhenResized)
{
    TMainWindowDriver person;
    TfrmMain form(nullptr);
    EXPECT_EQ(form.Memo2->BoundsRect(), Bounds(0, 0, 495, 273));
    EXPECT_EQ(form.Panel1->BoundsRect(), Bounds(0, 273, 495, 41));
    EXPECT_EQ(form.QovGradient1->BoundsRect(), Bounds(1, 1, 493, 39));
    EXPECT_EQ(form.btnConvert->BoundsRect(), Bounds(28, 9, 97, 24));
    EXPECT_EQ(form.btnQuit->BoundsRect(), Bounds(368, 9, 97, 24));
    EXPECT_EQ(form.Memo1->BoundsRect(), Bounds(148, 32, 189, 201));

    form.SetClientWidth(800);
    form.SetClientHeight(600);
    EXPECT_EQ(form.Memo2->BoundsRect(), Bounds(0, 0, 800, 559));
    EXPECT_EQ(form.Panel1->BoundsRect(), Bounds(0, 559, 800, 41));
    EXPECT_EQ(form.QovGradient1->BoundsRect(), Bounds(1, 1, 798, 39));
    EXPECT_EQ(form.btnConvert->BoundsRect(), Bounds(28, 9, 97, 24));
    // Quit keeps its 30 pixels from the right edge.
    EXPECT_EQ(form.btnQuit->BoundsRect(), Bounds(800 - 30 - 97, 9, 97, 24));
}

TEST(MainWindow, OpensCentredWithTheFocusInTheVisibleMemo)
{
    TMainWindowDriver person;
    TfrmMain form(nullptr);
    form.Show();
    Application->ProcessMessages();
    EXPECT_EQ(form.Left(), (Screen->Width() - form.Width()) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - form.Height()) / 2);
    EXPECT_TRUE(form.Memo2->Showing());
    EXPECT_FALSE(form.Memo1->Showing());
    EXPECT_TRUE(form.Memo2->Focused());
    EXPECT_FALSE(form.Memo1->CanFocus());
}

TEST(MainWindow, ScalesToTheScreensPixelDensity)
{
    TMainWindowDriver person;
    TFormReader::ScreenPixelsPerInch = 144;
    TfrmMain form(nullptr);
    TFormReader::ScreenPixelsPerInch = 0;
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 743, 471));
    EXPECT_EQ(form.Panel1->BoundsRect(), Bounds(0, 471 - 62, 743, 62));
    EXPECT_EQ(form.btnConvert->BoundsRect(), Bounds(42, 14, 146, 36));
    EXPECT_EQ(form.btnConvert->Font()->Height(), -17);
    EXPECT_EQ(form.Font()->Height(), -17);
}
