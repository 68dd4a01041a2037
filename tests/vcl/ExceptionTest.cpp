#include "core/Exception.h"
#include "vcl/TApplication.h"
#include "vcl/TForm.h"
#include "vcl/TPanel.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Catches what the application would show in its error box.
struct ShownErrors {
    std::vector<std::string> Messages;
    ShownErrors() { Application->OnShowException = [this](const std::string& m) { Messages.push_back(m); }; }
    ~ShownErrors() { Application->OnShowException = nullptr; }
};

} // namespace

TEST(Exceptions, LeavingAHandlerAreShownAndTheProgramGoesOn)
{
    ShownErrors shown;
    TForm form(nullptr);
    TPanel* panel = new TPanel(&form);
    int clicks = 0;
    panel->OnClick = [&](TObject*) {
        if (++clicks == 1)
            throw Exception("Cannot open file /nowhere/Morvo53.ini");
        if (clicks == 2)
            throw std::runtime_error("out of order");
        throw 42;
    };
    panel->Click();
    panel->Click();
    panel->Click();
    Application->Post([] { throw Exception("from the message loop"); });
    Application->ProcessMessages();

    EXPECT_EQ(shown.Messages, (std::vector<std::string>{"Cannot open file /nowhere/Morvo53.ini", "out of order",
                                                        "An unknown error occurred.", "from the message loop"}));
}
