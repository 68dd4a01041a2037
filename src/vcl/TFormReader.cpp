#include "vcl/TFormReader.h"

#include "vcl/TForm.h"
#include "vcl/TImageResources.h"
#include "vcl/TScreen.h"

#include <limits>

#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#endif

namespace {

// The class name as the program spells it ("TPanel", without its namespace), to hold against
// the stored class name.
std::string ClassNameOf(const std::type_info& type)
{
    std::string name = type.name();
#if __has_include(<cxxabi.h>)
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    if (status == 0 && demangled)
        name = demangled.get();
#endif
    if (name.starts_with("class "))
        name.erase(0, 6);
    if (const std::size_t scope = name.rfind("::"); scope != std::string::npos)
        name.erase(0, scope + 2);
    return name;
}

const std::pair<std::string_view, TColor> ColorNames[] = {
    {"clBlack", clBlack},     {"clMaroon", clMaroon},       {"clGreen", clGreen},
    {"clNavy", clNavy},       {"clGray", clGray},           {"clSilver", clSilver},
    {"clRed", clRed},         {"clLime", clLime},           {"clBlue", clBlue},
    {"clWhite", clWhite},     {"clWindow", clWindow},       {"clWindowText", clWindowText},
    {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clBtnText", clBtnText},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clGrayText", clGrayText},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow},
};

} // namespace

TFormReader::TFormReader(TForm& form, std::initializer_list<TFieldBinding> fields) : FForm(form)
{
    for (const TFieldBinding& field : fields)
        FFields.emplace(field.Name, field);
}

void TFormReader::Read(const TFormDescription& description)
{
    FLine = description.Line;
    if (description.ClassName != ClassNameOf(typeid(FForm)))
        Fail("the form's class is " + ClassNameOf(typeid(FForm)) + ", not " + description.ClassName);
    FForm.SetName(description.Name);
    ReadProperties(FForm, description);
    ReadChildren(FForm, description);
    for (const auto& [name, field] : FFields)
        if (!FForm.FindComponent(name))
            Fail("the field " + name + " has no object in the description");

    const int screen = ScreenPixelsPerInch > 0 ? ScreenPixelsPerInch : Screen->PixelsPerInch();
    if (FForm.PixelsPerInch() > 0 && screen != FForm.PixelsPerInch()) {
        FForm.ScaleBy(screen, FForm.PixelsPerInch());
        FForm.SetPixelsPerInch(screen);
    }
    if (FForm.OnCreate)
        FForm.OnCreate(&FForm);
}

void TFormReader::ReadProperties(TComponent& object, const TFormDescription& description)
{
    for (const TPropertyDescription& property : description.Properties) {
        FLine = property.Line;
        if (!object.ReadProperty(property.Name, property.Value, *this))
            Fail(description.ClassName + " has no property " + property.Name);
    }
}

void TFormReader::ReadChildren(TComponent& parent, const TFormDescription& description)
{
    for (const TFormDescription& child : description.Children) {
        FLine = child.Line;
        const auto field = FFields.find(child.Name);
        if (field == FFields.end())
            Fail("the form has no field " + child.Name);
        if (child.ClassName != ClassNameOf(*field->second.ClassType))
            Fail("the field " + child.Name + " is a " + ClassNameOf(*field->second.ClassType) + ", not a " +
                 child.ClassName);
        if (FForm.FindComponent(child.Name))
            Fail("a second object named " + child.Name);
        TComponent* object = field->second.Create(&FForm);
        object->SetName(child.Name);
        // A control stands on the control it is written in; other components have no place.
        auto* control = dynamic_cast<TControl*>(object);
        if (control) {
            auto* container = dynamic_cast<TWinControl*>(&parent);
            if (!container)
                Fail(child.Name + " is written in " + description.Name + ", which holds no controls");
            control->SetParent(container);
        }
        ReadProperties(*object, child);
        ReadChildren(*object, child);
    }
}

const std::string& TFormReader::Picture(const TPropertyValue& value) const
{
    const std::string& name = String(value);
    if (!TImageResources::Find(name))
        Fail("the program has no picture " + name);
    return name;
}

int TFormReader::Integer(const TPropertyValue& value) const
{
    if (value.Kind != TPropertyValue::TKind::Integer)
        Fail("a number expected, not " + ValueText(value));
    if (value.Integer < std::numeric_limits<int>::min() || value.Integer > std::numeric_limits<int>::max())
        Fail("the number is too large");
    return static_cast<int>(value.Integer);
}

bool TFormReader::Boolean(const TPropertyValue& value) const
{
    return Enumeration<bool>(value, {{"False", false}, {"True", true}});
}

const std::string& TFormReader::String(const TPropertyValue& value) const
{
    if (value.Kind != TPropertyValue::TKind::String)
        Fail("a text in quotes expected, not " + ValueText(value));
    return value.Text;
}

TColor TFormReader::Color(const TPropertyValue& value) const
{
    if (value.Kind == TPropertyValue::TKind::Integer)
        return static_cast<TColor>(value.Integer);
    for (const auto& [name, color] : ColorNames)
        if (value.Kind == TPropertyValue::TKind::Identifier && value.Text == name)
            return color;
    Fail("unknown colour " + ValueText(value));
}

TNotifyEvent TFormReader::Handler(const TPropertyValue& value) const
{
    if (value.Kind != TPropertyValue::TKind::Identifier)
        Fail("the name of a handler expected, not " + ValueText(value));
    const auto handler = FHandlers.find(value.Text);
    if (handler == FHandlers.end())
        Fail("the form has no handler " + value.Text);
    return handler->second;
}

bool TFormReader::FontAttribute(TFont& font, std::string_view attribute, const TPropertyValue& value) const
{
    if (attribute == "Charset")
        font.SetCharset(Enumeration<TFontCharset>(value, {{"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}}));
    else if (attribute == "Color")
        font.SetColor(Color(value));
    else if (attribute == "Height")
        font.SetHeight(Integer(value));
    else if (attribute == "Name")
        font.SetName(String(value));
    else if (attribute == "Style")
        font.SetStyle(Set<TFontStyles>(value, {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}}));
    else
        return false;
    return true;
}

void TFormReader::Fail(const std::string& problem) const
{
    throw EParserError(FLine, problem);
}

std::string TFormReader::ValueText(const TPropertyValue& value)
{
    switch (value.Kind) {
    case TPropertyValue::TKind::Integer: return std::to_string(value.Integer);
    case TPropertyValue::TKind::String: return "'" + value.Text + "'";
    case TPropertyValue::TKind::Identifier: return value.Text;
    case TPropertyValue::TKind::Set: break;
    }
    std::string text = "[";
    for (const std::string& member : value.Members)
        text += (text.size() > 1 ? ", " : "") + member;
    return text + "]";
}
