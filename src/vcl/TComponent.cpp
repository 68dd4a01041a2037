#include "vcl/TComponent.h"

#include <algorithm>
#include <cctype>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner)
{
    if (FOwner)
        FOwner->FComponents.push_back(this);
}

TComponent::~TComponent()
{
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    // Each component removes itself from the list while it is freed.
    while (!FComponents.empty())
        delete FComponents.back();
}

void TComponent::RemoveComponent(TComponent* component)
{
    std::erase(FComponents, component);
    component->FOwner = nullptr;
}

TComponent* TComponent::FindComponent(std::string_view name) const
{
    auto sameName = [name](const TComponent* c) {
        return std::ranges::equal(c->FName, name, [](unsigned char a, unsigned char b) {
            return std::toupper(a) == std::toupper(b);
        });
    };
    auto it = std::ranges::find_if(FComponents, sameName);
    return it == FComponents.end() ? nullptr : *it;
}
