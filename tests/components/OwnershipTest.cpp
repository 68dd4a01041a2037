#include "components/QovGradient.h"
#include "components/QovMesg.h"
#include "vcl/TForm.h"
#include "vcl/TPanel.h"
#include "vcl/WindowHarness.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

std::map<std::string, int> freed;

template <class TBase>
class TCounted : public TBase {
public:
    TCounted(TComponent* owner, const char* name) : TBase(owner) { this->SetName(name); }
    ~TCounted() override { ++freed[this->Name()]; }
};

} // namespace

TEST(ComponentOwnership, FreeingTheFormFreesGradientAndButtonsOnce)
{
    freed.clear();
    auto* form = new TForm(nullptr);
    auto* panel = new TCounted<TPanel>(form, "panel");
    panel->SetParent(form);
    // Owned by the form, shown on the panel: owner and parent differ, as on the main window.
    auto* gradient = new TCounted<TQovGradient>(form, "gradient");
    gradient->SetParent(panel);
    gradient->SetAlign(alClient);
    auto* button = new TCounted<TQovButt>(form, "button");
    button->SetParent(panel);
    button->Glyph()->SetSize(4, 4);
    TBitmap picture;
    WindowHarness::Grab(form, picture);

    delete form;
    EXPECT_EQ(freed, (std::map<std::string, int>{{"button", 1}, {"gradient", 1}, {"panel", 1}}));
}
