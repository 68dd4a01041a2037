#pragma once
// The application object: starts the platform, owns the forms, runs the message loop and shows
// exceptions that reach it.

#include "vcl/TComponent.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>

class TForm;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;

    // Starts the platform's windowing (once; later calls do nothing).
    void Initialize();
    // Frees the forms, then shuts the windowing down. The program entry calls it before it
    // returns: at exit-time the windowing's own globals may already be gone.
    void Finalize();

    // Creates a form owned by the application; the first one becomes the main form.
    template <class TFormClass>
    void CreateForm(TFormClass*& reference)
    {
        reference = new TFormClass(this);
        if (!FMainForm)
            FMainForm = reference;
    }
    TForm* MainForm() const { return FMainForm; }

    // Shows the main form and handles messages until Terminate or the main form is closed.
    void Run();
    // Ends the message loop (and any modal loop) once the current event is handled.
    void Terminate();
    bool Terminated() const { return FTerminated; }
    // Handles the messages that are waiting, then returns.
    void ProcessMessages();
    // Runs the call from the message loop after the current event.
    void Post(std::function<void()> call);

    // Shows the exception's text in a modal error box.
    void ShowException(const std::exception& error);
    // Where ShowException's text goes; tests and the command line may replace the error box.
    std::function<void(const std::string& message)> OnShowException;

    // The program's own full path.
    std::string ExeName() const;

private:
    struct Platform;
    std::unique_ptr<Platform> FPlatform;
    TForm* FMainForm = nullptr;
    bool FTerminated = false;
};

extern TApplication* Application;
