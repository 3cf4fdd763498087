#include "platform/Component.h"

#include <algorithm>
#include <map>

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    // Destroy the owned components last-created first; each one's destructor
    // removes it from this list.
    while (!FComponents.empty())
        delete FComponents.back();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->FOwner)
        return;
    component->FOwner = this;
    FComponents.push_back(component);
}

void TComponent::RemoveComponent(TComponent* component)
{
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it == FComponents.end())
        return;
    FComponents.erase(it);
    component->FOwner = nullptr;
}

const TPropertyList& TComponent::Properties() const
{
    static const TPropertyList properties = [] {
        TPropertyList list;
        TPropertyInfo name = Published("Name", &TComponent::Name, &TComponent::SetName);
        name.Stored = false; // written in the object line, not as a property
        list.push_back(std::move(name));
        list.push_back(Published("Tag", &TComponent::Tag, &TComponent::SetTag, std::int64_t{0}));
        return list;
    }();
    return properties;
}

TPropertyList TComponent::Inherit(const TPropertyList& base, TPropertyList own)
{
    TPropertyList list = base;
    list.insert(list.end(), std::make_move_iterator(own.begin()), std::make_move_iterator(own.end()));
    return list;
}

namespace {

struct TPalette {
    std::vector<std::pair<std::string, TComponentClass>> Classes; // page, class
};

TPalette& Palette()
{
    static TPalette palette;
    return palette;
}

} // namespace

void RegisterComponents(const std::string& page, const std::vector<TComponentClass>& classes)
{
    auto& list = Palette().Classes;
    for (const TComponentClass& c : classes) {
        auto it = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.second.Name == c.Name; });
        if (it != list.end())
            *it = {page, c};
        else
            list.emplace_back(page, c);
    }
}

const TComponentClass* FindComponentClass(const std::string& name)
{
    for (const auto& [page, c] : Palette().Classes)
        if (c.Name == name)
            return &c;
    return nullptr;
}

std::vector<std::string> PaletteClasses(const std::string& page)
{
    std::vector<std::string> names;
    for (const auto& [p, c] : Palette().Classes)
        if (p == page)
            names.push_back(c.Name);
    return names;
}
