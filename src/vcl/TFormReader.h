#pragma once
// Builds a form from its stored description, as the platform does when a form is created: the
// form's own properties first, then each object in stored order, created with the form as its
// owner, placed on the control it is written in, its properties written by name. Every object is
// stored in the form's field of the same name, and events are bound to the form's handlers by
// name. On a screen of other than the stored pixels per inch the form is then scaled, and last,
// once every control exists, the form's OnCreate runs.

#include "vcl/TFormDescription.h"
#include "vcl/TFont.h"
#include "vcl/Types.h"

#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <typeinfo>
#include <utility>
#include <vector>

class TComponent;
class TForm;

// A field of the form that the description fills: its name, and how to make and store an object
// of the field's class.
struct TFieldBinding {
    template <class TFieldClass>
    TFieldBinding(std::string_view name, TFieldClass*& field)
        : Name(name),
          ClassType(&typeid(TFieldClass)),
          Create([&field](TComponent* owner) { return field = new TFieldClass(owner); })
    {
    }

    std::string Name;
    const std::type_info* ClassType;
    std::function<TComponent*(TComponent* owner)> Create;
};

class TFormReader {
public:
    // A named enumeration value, as a property's table of the names it takes.
    template <class TValue>
    using TNames = std::initializer_list<std::pair<std::string_view, TValue>>;

    // Reads the description onto the form, with its fields and handlers named. Throws EParserError
    // for text it cannot read, and for an object, class, property, value or handler that the form
    // does not know, naming the line.
    template <class TFormClass>
    static void Read(TFormClass& form, std::string_view description, std::initializer_list<TFieldBinding> fields,
                     TNames<void (TFormClass::*)(TObject*)> handlers)
    {
        TFormReader reader(form, fields);
        for (const auto& [name, method] : handlers)
            reader.FHandlers.emplace(name, [&form, method](TObject* sender) { (form.*method)(sender); });
        reader.Read(TFormDescription::Parse(description));
    }

    // The pixels per inch of the screen that forms are scaled to; the real screen's unless told.
    static inline int ScreenPixelsPerInch = 0;

    // For the classes' ReadProperty: the value as each kind of property takes it. Each throws
    // EParserError when the value is of another kind or names nothing known.
    int Integer(const TPropertyValue& value) const;
    bool Boolean(const TPropertyValue& value) const;
    const std::string& String(const TPropertyValue& value) const;
    TColor Color(const TPropertyValue& value) const;
    TNotifyEvent Handler(const TPropertyValue& value) const;
    // The name of one of the program's own pictures (TImageResources), in quotes.
    const std::string& Picture(const TPropertyValue& value) const;
    template <class TValue>
    TValue Enumeration(const TPropertyValue& value, TNames<TValue> names) const
    {
        for (const auto& [name, member] : names)
            if (value.Kind == TPropertyValue::TKind::Identifier && value.Text == name)
                return member;
        Fail("unknown value " + ValueText(value));
    }
    // A set as the bits of its members, each member named in the table.
    template <class TBits>
    TBits Set(const TPropertyValue& value, TNames<TBits> names) const
    {
        if (value.Kind != TPropertyValue::TKind::Set)
            Fail("a set expected");
        TBits bits{};
        for (const std::string& member : value.Members)
            bits = static_cast<TBits>(bits | Enumeration(TPropertyValue{TPropertyValue::TKind::Identifier, 0, member, {}}, names));
        return bits;
    }
    // Writes one attribute of a font: "Charset", "Color", "Height", "Name" or "Style". False when
    // the attribute is none of these.
    bool FontAttribute(TFont& font, std::string_view attribute, const TPropertyValue& value) const;

    [[noreturn]] void Fail(const std::string& problem) const;

private:
    TFormReader(TForm& form, std::initializer_list<TFieldBinding> fields);

    void Read(const TFormDescription& description);
    void ReadProperties(TComponent& object, const TFormDescription& description);
    void ReadChildren(TComponent& parent, const TFormDescription& description);
    static std::string ValueText(const TPropertyValue& value);

    TForm& FForm;
    std::map<std::string, TFieldBinding, std::less<>> FFields;
    std::map<std::string, TNotifyEvent, std::less<>> FHandlers;
    int FLine = 0; // the line being read, for error messages
};
