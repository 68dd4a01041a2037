#include "converter/MConMain.h"

#include "converter/Conversion.h"
#include "core/Path.h"
#include "vcl/TApplication.h"
#include "vcl/TFormReader.h"
#include "vcl/WinApi.h"

// Defined in this order, so that the program releases them at its end in the opposite one:
// SourceDir, DedicatedField, ExeDir.
Text ExeDir;
Text DedicatedField;
Text SourceDir;

TfrmMain* frmMain = nullptr;

namespace {

// The window as it is stored, in pixels at 96 pixels per inch; the objects in the order they are
// made, so the gradient is drawn behind the buttons. Width and Height are the outer size on the
// system the window was made on; ClientWidth and ClientHeight, read after them, keep the area
// inside the frame the same on every window system. Position supersedes Left and Top.
constexpr std::string_view frmMainDescription = R"(
object frmMain: TfrmMain
  Left = 378
  Top = 122
  Width = 503
  Height = 348
  ClientWidth = 495
  ClientHeight = 314
  Caption = 'Morvo51 / 52 / 53 to Morvo54 Ini Converter'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Icon = 'MAINICON'
  OldCreateOrder = False
  OnCreate = FormCreate
  PixelsPerInch = 96
  Position = poScreenCenter
  TextHeight = 13
  object Memo2: TMemo
    Left = 0
    Top = 0
    Width = 495
    Height = 273
    Align = alClient
    ScrollBars = ssBoth
    TabOrder = 2
  end
  object Panel1: TPanel
    Left = 0
    Top = 273
    Width = 495
    Height = 41
    Align = alBottom
    TabOrder = 0
    object QovGradient1: TQovGradient
      Left = 1
      Top = 1
      Width = 493
      Height = 39
      Align = alClient
      Gradient = gdHorizontal
    end
    object btnConvert: TSpeedButton
      Left = 28
      Top = 9
      Width = 97
      Height = 24
      Cursor = crHandPoint
      Caption = ' Convert'
      Flat = True
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      Glyph = 'BTNCONVERT'
      ParentFont = False
      OnClick = btnConvertClick
    end
    object btnQuit: TSpeedButton
      Left = 368
      Top = 9
      Width = 97
      Height = 24
      Cursor = crHandPoint
      Anchors = [akTop, akRight]
      Caption = '  Quit'
      Flat = True
      Font.Charset = DEFAULT_CHARSET
      Font.Color = clWindowText
      Font.Height = -11
      Font.Name = 'MS Sans Serif'
      Font.Style = [fsBold]
      Glyph = 'BTNQUIT'
      ParentFont = False
      OnClick = btnQuitClick
    end
  end
  object Memo1: TMemo
    Left = 148
    Top = 32
    Width = 189
    Height = 201
    ScrollBars = ssBoth
    TabOrder = 1
    Visible = False
  end
  object OpenDialog1: TOpenDialog
  end
  object QovMesg1: TQovMesg
    ColorGradient1 = clWhite
    ColorGradient2 = clSilver
    FontButton.Charset = DEFAULT_CHARSET
    FontButton.Color = clWindowText
    FontButton.Height = -11
    FontButton.Name = 'MS Sans Serif'
    FontButton.Style = []
    FontText.Charset = DEFAULT_CHARSET
    FontText.Color = clWindowText
    FontText.Height = -11
    FontText.Name = 'MS Sans Serif'
    FontText.Style = []
    SoundNum = -1
    Symbol = dgWarning
    VerticalGradient = False
  end
end
)";

} // namespace

TfrmMain::TfrmMain(TComponent* AOwner) : TForm(AOwner)
{
    TFormReader::Read(*this, frmMainDescription,
                      {{"Panel1", Panel1},
                       {"btnConvert", btnConvert},
                       {"btnQuit", btnQuit},
                       {"Memo1", Memo1},
                       {"Memo2", Memo2},
                       {"OpenDialog1", OpenDialog1},
                       {"QovMesg1", QovMesg1},
                       {"QovGradient1", QovGradient1}},
                      {{"btnQuitClick", &TfrmMain::btnQuitClick},
                       {"FormCreate", &TfrmMain::FormCreate},
                       {"btnConvertClick", &TfrmMain::btnConvertClick}});
}

void TfrmMain::btnQuitClick(TObject*)
{
    Application->Terminate();
}

void TfrmMain::FormCreate(TObject*)
{
    ExeDir = ExtractFilePath(Application->ExeName());
}

void TfrmMain::btnConvertClick(TObject*)
{
    MessageBeep(MB_ICONEXCLAMATION);
    OpenDialog1->SetInitialDir(ExeDir);
    OpenDialog1->SetTitle("Select a Morvo file");
    OpenDialog1->SetFileName("Morvo5*.ini");
    OpenDialog1->SetFilter("Morvo5x files (*.ini)|*.INI");
    if (!OpenDialog1->Execute())
        return;

    // A file that cannot be read or saved leaves here as an exception, which the error box shows.
    const TConversionResult result =
        RunConversion(OpenDialog1->FileName(), Memo1->Lines(), Memo2->Lines(), SourceDir, DedicatedField);
    MessageBeep(result.Outcome == TConversionOutcome::Saved ? MB_ICONASTERISK : MB_OK);
    QovMesg1->ShowMessage(result.Message);
}

Text TfrmMain::ConvertTriggerLine(Text entry) const
{
    return ::ConvertTriggerLine(std::move(entry), DedicatedField);
}
