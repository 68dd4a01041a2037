#include "vcl/TForm.h"
#include "vcl/TFormReader.h"
#include "vcl/TMemo.h"
#include "vcl/TPanel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A form with a panel at the bottom, an anchored panel on it and a hidden memo, and a record of
// the handlers its description binds.
class TSampleForm : public TForm {
public:
    TSampleForm(TComponent* AOwner, std::string_view description) : TForm(AOwner)
    {
        TFormReader::Read(*this, description, {{"Strip", Strip}, {"RightBox", RightBox}, {"Notes", Notes}},
                          {{"FormCreate", &TSampleForm::FormCreate}, {"StripClick", &TSampleForm::StripClick}});
    }

    TPanel* Strip = nullptr;
    TPanel* RightBox = nullptr;
    TMemo* Notes = nullptr;
    std::vector<std::string> Calls;

    void FormCreate(TObject* Sender)
    {
        // Every control exists, in its place, before the creation handler runs.
        Calls.push_back(Sender == this && Strip && RightBox && Notes && RightBox->Parent() == Strip ? "create" : "early");
    }
    void StripClick(TObject*) { Calls.push_back("click"); }
};

namespace {

constexpr std::string_view Sample = R"(
object Sample: TSampleForm
  Caption = 'It''s a sample'
  ClientWidth = 400
  ClientHeight = 300
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  OnCreate = FormCreate
  PixelsPerInch = 96
  object Notes: TMemo
    Left = 10
    Top = 10
    Width = 100
    Height = 50
    ScrollBars = ssBoth
    Visible = False
  end
  object Strip: TPanel
    Left = 0
    Top = 259
    Width = 400
    Height = 41
    Align = alBottom
    OnClick = StripClick
    object RightBox: TPanel
      Left = 300
      Top = 9
      Width = 80
      Height = 24
      Anchors = [akTop, akRight]
      Font.Style = [fsBold]
      ParentFont = False
    end
  end
end
)";

struct ScreenDensity {
    explicit ScreenDensity(int pixelsPerInch) { TFormReader::ScreenPixelsPerInch = pixelsPerInch; }
    ~ScreenDensity() { TFormReader::ScreenPixelsPerInch = 0; }
};

} // namespace

TEST(FormReader, BuildsTheStoredFormAndBindsByName)
{
    ScreenDensity screen(96);
    TSampleForm form(nullptr, Sample);
    EXPECT_EQ(form.Name(), "Sample");
    EXPECT_EQ(form.Caption(), "It's a sample");
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 400, 300));
    EXPECT_EQ(form.FindComponent("Notes"), form.Notes);
    EXPECT_EQ(form.Notes->ScrollBars(), ssBoth);
    EXPECT_FALSE(form.Notes->Visible());
    EXPECT_EQ(form.Strip->BoundsRect(), Bounds(0, 259, 400, 41));
    EXPECT_EQ(form.RightBox->Anchors(), akTop | akRight);
    EXPECT_EQ(form.RightBox->Font()->Style(), fsBold);
    EXPECT_FALSE(form.RightBox->ParentFont());

    form.Strip->Click();
    EXPECT_EQ(form.Calls, (std::vector<std::string>{"create", "click"}));

    form.SetClientWidth(500);
    EXPECT_EQ(form.RightBox->Left(), 400);
}

TEST(FormReader, ScalesStoredSizesToTheScreen)
{
    ScreenDensity screen(144);
    TSampleForm form(nullptr, Sample);
    EXPECT_EQ(form.PixelsPerInch(), 144);
    EXPECT_EQ(form.ClientRect(), Rect(0, 0, 600, 450));
    EXPECT_EQ(form.Font()->Height(), -17); // -16.5, rounded away from zero
    EXPECT_EQ(form.Notes->BoundsRect(), Bounds(15, 15, 150, 75));
    // The strip stays at the bottom; the anchored box is scaled where it stands, not moved twice.
    EXPECT_EQ(form.Strip->BoundsRect(), Bounds(0, 388, 600, 62));
    EXPECT_EQ(form.RightBox->BoundsRect(), Bounds(450, 14, 120, 36));
    EXPECT_EQ(form.RightBox->Font()->Height(), -17);
    EXPECT_EQ(form.Calls, std::vector<std::string>{"create"});
}

TEST(FormReader, NamesTheLineOfWhatItCannotRead)
{
    struct Case {
        const char* name;
        std::string description;
        std::string message;
    };
    const std::string head = "object Sample: TSampleForm\n";
    const std::string fields = "  object Strip: TPanel\n    object RightBox: TPanel\n    end\n  end\n"
                               "  object Notes: TMemo\n  end\n";
    const Case cases[] = {
        {"unknown property", head + "  Colour = clRed\n" + fields + "end\n", "line 2: TSampleForm has no property Colour"},
        {"unknown value", head + "  Position = poSomewhere\n" + fields + "end\n", "line 2: unknown value poSomewhere"},
        {"value of another kind", head + "  Caption = 12\n" + fields + "end\n", "line 2: a text in quotes expected, not 12"},
        {"unknown handler", head + "  OnCreate = FormDestroy\n" + fields + "end\n", "line 2: the form has no handler FormDestroy"},
        {"text after the value", head + "  ClientWidth = 10 20\n" + fields + "end\n", "line 2: unexpected text after the value"},
        {"unclosed text", head + "  Caption = 'open\n" + fields + "end\n", "line 2: the text has no closing quote"},
        {"field of another class", head + "  object Strip: TMemo\n  end\nend\n", "line 2: the field Strip is a TPanel, not a TMemo"},
        {"object without a field", head + "  object Extra: TPanel\n  end\nend\n", "line 2: the form has no field Extra"},
        {"field without an object", head + "  object Strip: TPanel\n  end\nend\n", "the field Notes has no object"},
        {"form of another class", "object Sample: TForm\nend\n", "line 1: the form's class is TSampleForm, not TForm"},
        {"missing end", head + fields, "line 7: 'end' of Sample missing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            TSampleForm form(nullptr, c.description);
            ADD_FAILURE() << "read without an error";
        } catch (const EParserError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}
