#pragma once

#include <cstdint>
#include "platform/Exception.h"

#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

class TComponent;

/// The kinds of value a published property can hold.
enum class TPropertyType { Integer, Boolean, String, Float, Strings };

using TPropertyValue = std::variant<std::int64_t, bool, std::string, long double, std::vector<std::string>>;

/// One published property: its name, type and default, how to read and write
/// it, and whether it is stored in form-resource text at all. Values equal to
/// the default are never stored.
struct TPropertyInfo {
    std::string Name;
    TPropertyType Type = TPropertyType::Integer;
    TPropertyValue Default;
    bool Stored = true;
    std::function<TPropertyValue(const TComponent&)> Get;
    std::function<void(TComponent&, const TPropertyValue&)> Set; // empty for read-only properties
    /// Symbolic names an Integer property may be written with (colour names).
    std::vector<std::pair<std::string, std::int64_t>> Idents;
};

using TPropertyList = std::vector<TPropertyInfo>;

namespace PropertyDetail {

template <typename T>
constexpr TPropertyType TypeOf()
{
    if constexpr (std::is_same_v<T, bool>)
        return TPropertyType::Boolean;
    else if constexpr (std::is_integral_v<T>)
        return TPropertyType::Integer;
    else if constexpr (std::is_floating_point_v<T>)
        return TPropertyType::Float;
    else if constexpr (std::is_same_v<T, std::string>)
        return TPropertyType::String;
    else
        return TPropertyType::Strings;
}

template <typename T>
TPropertyValue ToValue(const T& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return v;
    else if constexpr (std::is_integral_v<T>)
        return static_cast<std::int64_t>(v);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<long double>(v);
    else if constexpr (std::is_same_v<T, std::string>)
        return v;
    else
        return std::vector<std::string>(v);
}

template <typename T>
T FromValue(const TPropertyValue& v)
{
    if constexpr (std::is_same_v<T, bool>)
        return std::get<bool>(v);
    else if constexpr (std::is_integral_v<T>) {
        const std::int64_t n = std::get<std::int64_t>(v);
        if (n < static_cast<std::int64_t>(std::numeric_limits<T>::min()) ||
            (n > 0 && static_cast<std::uint64_t>(n) > static_cast<std::uint64_t>(std::numeric_limits<T>::max())))
            throw Exception(std::to_string(n) + " is out of range");
        return static_cast<T>(n);
    } else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(std::get<long double>(v));
    else if constexpr (std::is_same_v<T, std::string>)
        return std::get<std::string>(v);
    else
        return T(std::get<std::vector<std::string>>(v));
}

} // namespace PropertyDetail

/// Describes a published property of class C read by a getter and written by
/// a setter (a member function taking the value).
template <typename C, typename R, typename A>
TPropertyInfo Published(std::string name, R (C::*getter)() const, void (C::*setter)(A), std::decay_t<R> defaultValue = {})
{
    using T = std::decay_t<R>;
    TPropertyInfo info;
    info.Name = std::move(name);
    info.Type = PropertyDetail::TypeOf<T>();
    info.Default = PropertyDetail::ToValue<T>(defaultValue);
    info.Get = [getter](const TComponent& c) { return PropertyDetail::ToValue<T>((static_cast<const C&>(c).*getter)()); };
    info.Set = [setter](TComponent& c, const TPropertyValue& v) {
        (static_cast<C&>(c).*setter)(PropertyDetail::FromValue<std::decay_t<A>>(v));
    };
    return info;
}

/// Describes a read-only published property, which form-resource text never stores.
template <typename C, typename R>
TPropertyInfo PublishedReadOnly(std::string name, R (C::*getter)() const)
{
    using T = std::decay_t<R>;
    TPropertyInfo info;
    info.Name = std::move(name);
    info.Type = PropertyDetail::TypeOf<T>();
    info.Default = PropertyDetail::ToValue<T>(T{});
    info.Stored = false;
    info.Get = [getter](const TComponent& c) { return PropertyDetail::ToValue<T>((static_cast<const C&>(c).*getter)()); };
    return info;
}

/// The component base class: a component may own others, which it destroys
/// with itself; it has a Name and a Tag and describes its published
/// properties for form-resource text.
class TComponent {
public:
    /// Creates the component; a non-null owner takes ownership of it.
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(static_cast<std::size_t>(index)); }
    /// Takes ownership of a component that has no owner yet.
    void InsertComponent(TComponent* component);
    /// Gives up ownership of a component without destroying it.
    void RemoveComponent(TComponent* component);

    const std::string& Name() const { return FName; }
    void SetName(std::string name) { FName = std::move(name); }
    std::int64_t Tag() const { return FTag; }
    void SetTag(std::int64_t tag) { FTag = tag; }

    /// The class name under which the class is registered.
    virtual const char* ClassName() const { return "TComponent"; }
    /// The published properties in declaration order, the base class's first.
    virtual const TPropertyList& Properties() const;

protected:
    /// The base class's properties followed by a class's own.
    static TPropertyList Inherit(const TPropertyList& base, TPropertyList own);

private:
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::string FName;
    std::int64_t FTag = 0;
};

/// A registered component class: its name and how to create one.
struct TComponentClass {
    std::string Name;
    std::function<std::unique_ptr<TComponent>()> Create;
};

/// Puts component classes on a page of the component palette; registering
/// a class again replaces its entry.
void RegisterComponents(const std::string& page, const std::vector<TComponentClass>& classes);

/// The registered class of that name, or nullptr.
const TComponentClass* FindComponentClass(const std::string& name);

/// The names of the classes on a palette page, in registration order.
std::vector<std::string> PaletteClasses(const std::string& page);
