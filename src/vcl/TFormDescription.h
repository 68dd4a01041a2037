#pragma once
// A form as it is stored: the form and each object on it with its class, its property values and
// the objects it holds, in the order they are created.
//
//   object frmMain: TfrmMain
//     Caption = 'A caption'
//     Font.Style = [fsBold]
//     object Panel1: TPanel
//       Align = alBottom
//     end
//   end
//
// A value is a whole number, a text in single quotes ('' stands for one quote), a name (an
// enumeration value, a colour, True or False, or the name of an event handler) or a set of names
// in brackets.

#include "core/Exception.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A description that cannot be read: the line and what is wrong there.
class EParserError : public Exception {
public:
    EParserError(int line, std::string_view problem);
};

struct TPropertyValue {
    enum class TKind : std::uint8_t { Integer, String, Identifier, Set };
    TKind Kind = TKind::Integer;
    std::int64_t Integer = 0;
    std::string Text;                 // the text of a String, the name of an Identifier
    std::vector<std::string> Members; // the names of a Set
};

struct TPropertyDescription {
    std::string Name; // may name a part of a property: "Font.Height"
    TPropertyValue Value;
    int Line = 0;
};

class TFormDescription {
public:
    // Reads the stored text. Throws EParserError at the first thing it cannot read.
    static TFormDescription Parse(std::string_view text);

    std::string Name;
    std::string ClassName;
    std::vector<TPropertyDescription> Properties;
    std::vector<TFormDescription> Children;
    int Line = 0;
};
