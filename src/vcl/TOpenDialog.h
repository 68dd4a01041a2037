#pragma once
// The file-open dialog: the user picks one file, or types a name, which need not exist. The dialog
// is resizable, has no read-only check box and lists the files that match the filter chosen in
// it, whatever the letter case of their names (as the platform does).

#include "vcl/TComponent.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);

    // The folder the dialog starts in; empty starts in the current folder.
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(std::string_view value) { FInitialDir = value; }
    // The dialog's caption.
    const std::string& Title() const { return FTitle; }
    void SetTitle(std::string_view value) { FTitle = value; }
    // Before Execute: what the file-name box starts with (a name or a pattern such as
    // "Morvo5*.ini"). After a choice: the chosen file's full path.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(std::string_view value) { FFileName = value; }
    // Pairs of a description and its patterns, all separated by "|":
    // "Morvo5x files (*.ini)|*.INI". Several patterns of one entry are separated by ";".
    const std::string& Filter() const { return FFilter; }
    void SetFilter(std::string_view value) { FFilter = value; }

    // Shows the dialog modally. True when the user chose a file: FileName then holds its full
    // path. False when the user cancelled: FileName is unchanged.
    bool Execute();

    // Stands in for the person at the dialog, for tests and benchmarks: given the dialog as set up,
    // it gives the full path to choose, or nothing to cancel. While it is set, Execute shows no
    // window and asks it instead.
    using TChooser = std::function<std::optional<std::string>(const TOpenDialog& dialog)>;
    static inline TChooser Chooser;

private:
    std::optional<std::string> AskUser() const;

    std::string FInitialDir;
    std::string FTitle;
    std::string FFileName;
    std::string FFilter;
};
