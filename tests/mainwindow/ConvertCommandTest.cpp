// The Convert command as a person meets it: sounds, the file-open dialog, the outcome message,
// what the window shows, and the error box for files that cannot be read or saved.
#include "BeepRecorder.h"
#include "MainWindowDriver.h"
#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr char OldFile[] = "[MorvoConfigs]\r\nDedicated=True\r\n"
                           "[Morvo53.MPlayerList]\r\nPlayer=(Name=\"Ann\",Level=2)\r\n"
                           "[Morvo53.MTriggers]\r\nTrigger=(Text=\"hi\",SoundFilename=Morvo.Hi,Volume=2,Random=0,Team=1)\r\n";
constexpr char OtherOldFile[] = "[MorvoConfigs]\r\nDedicated=False\r\n";

// The lines of a list as a file holds them: each followed by CR LF.
std::string AsFile(const TLineList& lines)
{
    std::string bytes;
    for (std::size_t i = 0; i < lines.Count(); ++i)
        bytes.append(lines.Strings(i)).append("\r\n");
    return bytes;
}

class ConvertCommand : public testing::Test {
protected:
    const TBeepRecorder Quiet; // no sound from the tests; each may listen for its own
    TTempFolder Folder;
    TMainWindowDriver Person;
    TfrmMain Form{nullptr};
};

} // namespace

TEST_F(ConvertCommand, CancelSoundsTheExclamationOnly)
{
    const TBeepRecorder beeps;
    Person.Convert(Form, std::nullopt);
    EXPECT_EQ(beeps.Sounds(), std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(Person.Messages.empty());
    EXPECT_EQ(Form.Memo2->Lines().Count(), 0u);
    EXPECT_TRUE(SourceDir.empty());
    // The dialog was set up afresh: it starts in the program's folder with the old files' pattern.
    ASSERT_EQ(Person.Dialogs.size(), 1u);
    EXPECT_EQ(Person.Dialogs[0], (TMainWindowDriver::DialogSetup{ExeDir, "Select a Morvo file", "Morvo5*.ini",
                                                                 "Morvo5x files (*.ini)|*.INI"}));
    EXPECT_FALSE(ExeDir.empty());
}

TEST_F(ConvertCommand, SavedFileIsShownAndAnnounced)
{
    const std::string old = Folder.Write("Games/Morvo53/Morvo53.ini", OldFile);
    const TBeepRecorder beeps;
    Person.Convert(Form, old);

    EXPECT_EQ(beeps.Sounds(), (std::vector<UINT>{MB_ICONEXCLAMATION, MB_ICONASTERISK}));
    EXPECT_EQ(Person.Messages, std::vector<std::string>{"Saved as Morvo54.ini"});
    EXPECT_EQ(Person.Captions, std::vector<std::string>{"Information"});
    EXPECT_TRUE(Person.Errors.empty());
    const std::string saved = ReadFileBytes(Folder / "Games/Morvo53/Morvo54.ini");
    EXPECT_EQ(AsFile(Form.Memo2->Lines()), saved);
    EXPECT_NE(saved.find("DedicatedOnly=True,"), std::string::npos);
    EXPECT_EQ(AsFile(Form.Memo1->Lines()), OldFile);
    EXPECT_EQ(SourceDir, Folder / "Games/Morvo53/");
    EXPECT_EQ(DedicatedField, "DedicatedOnly=True,");
}

TEST_F(ConvertCommand, RejectedFileSoundsTheDefaultBeepAndChangesNothing)
{
    const std::string accepted = Folder.Write("Morvo52/Morvo52.ini", OldFile);
    Person.Convert(Form, accepted);
    const std::string shown = AsFile(Form.Memo2->Lines());

    for (const std::string& rejected : {Folder.Write("Morvo50/Morvo53.ini", OldFile), Folder / "Morvo53/missing.ini",
                                        Folder.Write("old/config.ini", OldFile)}) {
        SCOPED_TRACE(rejected);
        const TBeepRecorder beeps;
        Person.Messages.clear();
        Person.Convert(Form, rejected);
        EXPECT_EQ(beeps.Sounds(), (std::vector<UINT>{MB_ICONEXCLAMATION, MB_OK}));
        EXPECT_EQ(Person.Messages, std::vector<std::string>{"File must be a Morvo 51-53 file!"});
        EXPECT_EQ(AsFile(Form.Memo2->Lines()), shown);
        EXPECT_EQ(SourceDir, Folder / "Morvo52/");
    }
}

TEST_F(ConvertCommand, SecondRunReplacesTheFirst)
{
    Person.Convert(Form, Folder.Write("Morvo51/Morvo51.ini", OldFile));
    Person.Convert(Form, Folder.Write("Morvo52/Morvo52.ini", OtherOldFile));
    EXPECT_EQ(AsFile(Form.Memo2->Lines()), ReadFileBytes(Folder / "Morvo52/Morvo54.ini"));
    EXPECT_EQ(AsFile(Form.Memo1->Lines()), OtherOldFile);
    EXPECT_EQ(DedicatedField, "DedicatedOnly=False,");
    EXPECT_EQ(Person.Messages, (std::vector<std::string>{"Saved as Morvo54.ini", "Saved as Morvo54.ini"}));
}

TEST_F(ConvertCommand, UnreadableFileShowsTheErrorBoxAndTheWindowGoesOn)
{
    Person.Convert(Form, Folder.Write("Morvo52/Morvo52.ini", OldFile));
    const std::string shown = AsFile(Form.Memo2->Lines());
    Person.Messages.clear();

    // Reading this kernel file fails at once, whoever runs the test.
    std::filesystem::create_directories(Folder.Path() / "Morvo53");
    std::filesystem::create_symlink("/proc/self/mem", Folder.Path() / "Morvo53/Morvo53.ini");
    {
        const TBeepRecorder beeps;
        Person.Convert(Form, Folder / "Morvo53/Morvo53.ini");
        EXPECT_EQ(beeps.Sounds(), std::vector<UINT>{MB_ICONEXCLAMATION});
    }

    EXPECT_EQ(Person.Errors, std::vector<std::string>{"Cannot open file " + (Folder / "Morvo53/Morvo53.ini")});
    EXPECT_TRUE(Person.Messages.empty());
    EXPECT_EQ(AsFile(Form.Memo2->Lines()), shown);
    EXPECT_EQ(SourceDir, Folder / "Morvo53/");

    // The window goes on: the next Convert works as ever.
    Person.Convert(Form, Folder / "Morvo52/Morvo52.ini");
    EXPECT_EQ(Person.Messages, std::vector<std::string>{"Saved as Morvo54.ini"});
}

TEST_F(ConvertCommand, UncreatableNewFileShowsTheErrorBoxWithTheLinesOnView)
{
    Folder.Write("Morvo53/Morvo54.ini/keep.txt", "a folder stands where the new file would go");
    const TBeepRecorder beeps;
    Person.Convert(Form, Folder.Write("Morvo53/Morvo53.ini", OldFile));

    EXPECT_EQ(Person.Errors, std::vector<std::string>{"Cannot create file " + (Folder / "Morvo53/Morvo54.ini")});
    EXPECT_EQ(beeps.Sounds(), std::vector<UINT>{MB_ICONEXCLAMATION});
    EXPECT_TRUE(Person.Messages.empty());
    EXPECT_NE(AsFile(Form.Memo2->Lines()).find("[Morvo54.MorvoTriggers]"), std::string::npos);
}

TEST_F(ConvertCommand, TriggerLinesTakeTheRunsDedicatedField)
{
    DedicatedField = "DedicatedOnly=False,";
    EXPECT_EQ(Form.ConvertTriggerLine("Trigger=(Text=\"hello\",SoundFilename=Morvo.Hello,Volume=2,Delay=0,Random=0,Team=1)"),
              "Trigger=(Text=\"hello\",DedicatedOnly=False,Filename=Morvo.Hello,HideInMenu=2,Delay=0,Random=0)");
}
