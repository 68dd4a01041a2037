#pragma once
// Plays the person at the main window: answers the file-open dialog with a chosen path (or
// Cancel), reads each message dialog and presses its OK button, and collects what the error box
// would have shown.

#include "components/QovMesg.h"
#include "converter/MConMain.h"
#include "vcl/TApplication.h"
#include "vcl/TLabel.h"

#include <optional>
#include <string>
#include <vector>

class TMainWindowDriver {
public:
    TMainWindowDriver()
    {
        ExeDir.clear();
        SourceDir.clear();
        DedicatedField.clear();
        Application->OnShowException = [this](const std::string& message) { Errors.push_back(message); };
    }
    ~TMainWindowDriver()
    {
        Application->OnShowException = nullptr;
        TOpenDialog::Chooser = nullptr;
    }

    // Clicks Convert; the dialog is answered with choice (nothing: Cancel).
    void Convert(TfrmMain& form, std::optional<std::string> choice)
    {
        TOpenDialog::Chooser = [this, choice](const TOpenDialog& dialog) {
            Dialogs.push_back({dialog.InitialDir(), dialog.Title(), dialog.FileName(), dialog.Filter()});
            return choice;
        };
        Application->Post([this] { AnswerMessage(); });
        form.btnConvert->Click();
        // A command that showed no message leaves the posted answer waiting: it finds no dialog.
        Application->ProcessMessages();
    }

    struct DialogSetup {
        std::string InitialDir, Title, FileName, Filter;
        bool operator==(const DialogSetup&) const = default;
    };
    std::vector<DialogSetup> Dialogs;
    std::vector<std::string> Captions; // of the message dialogs, in order
    std::vector<std::string> Messages; // their texts
    std::vector<std::string> Errors;   // what the error box showed

private:
    void AnswerMessage()
    {
        for (int i = Application->ComponentCount() - 1; i >= 0; --i) {
            auto* dialog = dynamic_cast<TMessageForm*>(Application->Components(i));
            if (!dialog || !dialog->Visible())
                continue;
            Captions.push_back(dialog->Caption());
            Messages.push_back(static_cast<TLabel*>(dialog->FindComponent("Message"))->Caption());
            dialog->FindComponent("A0") ? static_cast<TControl*>(dialog->FindComponent("A0"))->Click() : dialog->Close();
            return;
        }
    }
};
