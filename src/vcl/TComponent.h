#pragma once
// The root of everything that can own and be owned: an owner frees its components with itself.

#include "vcl/Types.h"

#include <string>
#include <string_view>
#include <vector>

class TComponent : public TObject {
public:
    // Joins the owner's components when an owner is given.
    explicit TComponent(TComponent* AOwner);
    // Frees every owned component (the last made first), then leaves the owner.
    ~TComponent() override;

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    const std::string& Name() const { return FName; }
    void SetName(std::string_view value) { FName = value; }
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
    // The owned component of that name (letter case ignored, as the platform does), or null.
    TComponent* FindComponent(std::string_view name) const;

protected:
    // Frees the owned components now. Derived classes call it first in their destructor, so
    // that components are freed while their owner is still whole.
    void DestroyComponents();

private:
    void RemoveComponent(TComponent* component);

    TComponent* FOwner = nullptr;
    std::string FName;
    int FTag = 0;
    std::vector<TComponent*> FComponents;
};
