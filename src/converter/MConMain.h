#pragma once
// Unit MConMain: the converter's main window, the Convert command and the program-wide texts.

#include "components/QovGradient.h"
#include "components/QovMesg.h"
#include "core/Text.h"
#include "vcl/TForm.h"
#include "vcl/TMemo.h"
#include "vcl/TOpenDialog.h"
#include "vcl/TPanel.h"
#include "vcl/TSpeedButton.h"

// The one window of the program: the output on view in Memo2, and below it a strip with a
// gradient and the Convert and Quit buttons. It is built from its stored description, whose
// handlers are the three below.
class TfrmMain : public TForm {
public:
    explicit TfrmMain(TComponent* AOwner);

    TPanel* Panel1 = nullptr;             // the bottom strip
    TSpeedButton* btnConvert = nullptr;
    TSpeedButton* btnQuit = nullptr;
    TMemo* Memo1 = nullptr;               // hidden: the chosen file's lines
    TMemo* Memo2 = nullptr;               // the new file's lines, on view
    TOpenDialog* OpenDialog1 = nullptr;
    TQovMesg* QovMesg1 = nullptr;         // tells the outcome of a Convert
    TQovGradient* QovGradient1 = nullptr; // the strip's background

    // Ends the program.
    void btnQuitClick(TObject* Sender);
    // Records the program's folder in ExeDir.
    void FormCreate(TObject* Sender);
    // The Convert command: exclamation sound, the file-open dialog, the conversion of the chosen
    // file, then the outcome's sound and message. Cancelling the dialog ends it after the first
    // sound. A file that cannot be read or saved ends it with the error box instead of an outcome.
    void btnConvertClick(TObject* Sender);
    // One old trigger entry in the new layout, with this run's DedicatedField.
    Text ConvertTriggerLine(Text entry) const;
};

extern TfrmMain* frmMain;

// The program-wide texts, empty until first set; each keeps its last value.
extern Text ExeDir;         // the program's folder, with its trailing separator (FormCreate)
extern Text DedicatedField; // "DedicatedOnly=" + the old Dedicated value + "," (each accepted run)
extern Text SourceDir;      // the chosen file's folder, with its trailing separator (each accepted run)
