#include "vcl/TComponent.h"
#include "vcl/TForm.h"
#include "vcl/TPanel.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

// Counts how often each named component is freed.
std::map<std::string, int> freed;

class TCounted : public TComponent {
public:
    TCounted(TComponent* owner, const char* name) : TComponent(owner) { SetName(name); }
    ~TCounted() override { ++freed[Name()]; }
};

} // namespace

TEST(Ownership, OwnerFreesEachComponentExactlyOnce)
{
    freed.clear();
    auto* owner = new TCounted(nullptr, "owner");
    auto* child = new TCounted(owner, "child");
    new TCounted(child, "grandchild");
    new TCounted(owner, "second");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("CHILD"), child);

    delete owner;
    EXPECT_EQ(freed, (std::map<std::string, int>{{"owner", 1}, {"child", 1}, {"grandchild", 1}, {"second", 1}}));
}

TEST(Ownership, ComponentFreedEarlyLeavesItsOwner)
{
    freed.clear();
    TCounted owner(nullptr, "owner");
    auto* early = new TCounted(&owner, "early");
    delete early;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(freed["early"], 1);
}

TEST(Ownership, FormFreesControlsParentedInsideEachOther)
{
    // The panel's children are owned by the form, not by the panel: freeing the form must free
    // every control once, whatever the order of owners and parents.
    auto* form = new TForm(nullptr);
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* inner = new TPanel(form);
    inner->SetParent(panel);
    EXPECT_EQ(form->ControlCount(), 1);
    EXPECT_EQ(panel->ControlCount(), 1);
    delete form;
}
