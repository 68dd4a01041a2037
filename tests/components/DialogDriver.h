#pragma once
// Drives a message dialog from inside its modal loop, as a person would: finds the dialog that
// is showing, reads it and presses its buttons or its close box.

#include "components/QovMesg.h"
#include "vcl/TApplication.h"

#include <functional>
#include <gtest/gtest.h>

// The message dialog that is showing, or null.
inline TMessageForm* ShowingDialog()
{
    for (int i = Application->ComponentCount() - 1; i >= 0; --i)
        if (auto* form = dynamic_cast<TMessageForm*>(Application->Components(i)); form && form->Visible())
            return form;
    return nullptr;
}

// The dialog's control of that name ("A0", "Message"...), or null.
template <class TControlClass = TControl>
TControlClass* Child(TForm& form, std::string_view name)
{
    return dynamic_cast<TControlClass*>(form.FindComponent(name));
}

// Presses the dialog's button of that name as a click does.
inline void Press(TForm& form, std::string_view name)
{
    TControl* button = Child(form, name);
    ASSERT_NE(button, nullptr) << name;
    button->Click();
}

// Runs show() (a call that shows one dialog) and, once its dialog is up, act(dialog). A dialog that
// act leaves open is then closed by its close box, so a test cannot hang.
template <class Show>
auto WhileShowing(Show show, const std::function<void(TMessageForm&)>& act)
{
    Application->Post([&] {
        TMessageForm* dialog = ShowingDialog();
        if (!dialog) {
            ADD_FAILURE() << "no dialog is showing";
            return;
        }
        act(*dialog);
        Application->Post([] {
            if (TMessageForm* still = ShowingDialog())
                still->Close();
        });
    });
    const auto result = show();
    // Calls posted for the dialog that has gone must not reach the next one.
    Application->ProcessMessages();
    return result;
}
