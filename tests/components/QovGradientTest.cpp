#include "components/QovGradient.h"
#include "vcl/TForm.h"
#include "vcl/TModuleTable.h"
#include "vcl/TPanel.h"
#include "vcl/WindowHarness.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr TColor Background = clMaroon;

// Counts its paints.
class TCountingGradient : public TQovGradient {
public:
    using TQovGradient::TQovGradient;
    int Paints = 0;
    void Paint() override
    {
        ++Paints;
        TQovGradient::Paint();
    }
};

struct QovGradientTest : testing::Test {
    TForm form{nullptr};
    TCountingGradient* gradient = new TCountingGradient(&form);
    TBitmap picture;

    QovGradientTest()
    {
        form.SetColor(Background);
        form.SetClientWidth(200);
        form.SetClientHeight(100);
        gradient->SetParent(&form);
        gradient->SetBounds(10, 10, 64, 16);
    }
    void Grab() { WindowHarness::Grab(gradient, picture); }
    bool Uniform(TColor color) const
    {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                if (picture.Pixel(x, y) != color)
                    return false;
        return !picture.Empty();
    }
};

// Runs the unit's start-up again on a changed module table, as a fresh program would, and puts
// everything back afterwards.
struct ModuleTableChange {
    ModuleTableChange() { FinalizeQovGradient(); }
    ~ModuleTableChange()
    {
        TModuleTable::SetAvailable("MSIMG32.DLL", true);
        TModuleTable::AddExport("MSIMG32.DLL", "GradientFill", reinterpret_cast<FARPROC>(&GradientFill));
        InitializeQovGradient();
    }
    void StartUnitAsNewProgram()
    {
        GradientFillFunc = nullptr;
        InitializeQovGradient();
    }
};

} // namespace

TEST_F(QovGradientTest, NewControlHasItsDefaults)
{
    TQovGradient fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 70);
    EXPECT_EQ(fresh.Height(), 50);
    EXPECT_EQ(fresh.ColorBegin(), clBtnFace);
    EXPECT_EQ(fresh.ColorEnd(), clGray);
    EXPECT_EQ(fresh.Gradient(), gdHorizontal);
    EXPECT_EQ(fresh.Align(), alNone);
}

TEST_F(QovGradientTest, UnitFindsGradientFillAtStartUp)
{
    EXPECT_NE(MsImgHandle, nullptr);
    EXPECT_EQ(GradientFillFunc, &GradientFill);
}

TEST_F(QovGradientTest, BeginAndEndColoursSitAtTheirEdges)
{
    struct Case {
        const char* name;
        TGradientDirection direction;
        int firstX, firstY; // a pixel on the begin edge away from the corner
        int lastX, lastY;   // a pixel on the end edge
        int lastLevel;      // one step short of white: 63/64 (15/16) of the way
    };
    const Case cases[] = {
        {"horizontal", gdHorizontal, 0, 15, 63, 0, 251},
        {"vertical", gdVertical, 63, 0, 0, 15, 239},
    };
    gradient->SetColorBegin(clBlack);
    gradient->SetColorEnd(clWhite);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gradient->SetGradient(c.direction);
        Grab();
        EXPECT_EQ(picture.Pixel(0, 0), clBlack);
        EXPECT_EQ(picture.Pixel(c.firstX, c.firstY), clBlack);
        EXPECT_EQ(picture.Pixel(c.lastX, c.lastY), c.lastLevel * 0x010101);
    }
}

TEST_F(QovGradientTest, EqualColoursGiveAUniformFill)
{
    gradient->SetColorBegin(clNavy);
    gradient->SetColorEnd(clNavy);
    Grab();
    EXPECT_TRUE(Uniform(clNavy));
}

TEST_F(QovGradientTest, SystemColourFollowsThePaletteAtTheNextPaint)
{
    const int element = COLOR_BTNFACE;
    const DWORD original = GetSysColor(element);
    gradient->SetColorEnd(clBtnFace);
    Grab();
    EXPECT_TRUE(Uniform(static_cast<TColor>(original)));

    const DWORD green = 0x00008000;
    SetSysColors(1, &element, &green);
    Grab();
    const bool followed = Uniform(clGreen);
    SetSysColors(1, &element, &original);
    EXPECT_TRUE(followed);
}

TEST_F(QovGradientTest, ZeroSizedControlPaintsNothing)
{
    auto* beside = new TQovGradient(&form);
    beside->SetParent(&form);
    for (const TRect bounds : {Bounds(80, 10, 0, 16), Bounds(80, 10, 64, 0)}) {
        beside->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        WindowHarness::Grab(beside, picture);
        EXPECT_TRUE(picture.Empty());
        // Painting it directly, outside any paint, is harmless too.
        beside->Paint();
    }
    WindowHarness::Grab(&form, picture);
    EXPECT_EQ(picture.Pixel(80, 10), Background);
}

TEST_F(QovGradientTest, WritingAPropertyRepaintsEvenWithTheSameValue)
{
    form.Show();
    WindowHarness::ProcessPaints();
    struct Case {
        const char* name;
        std::function<void()> write;
        int paints;
    };
    const Case cases[] = {
        {"nothing written", [] {}, 0},
        {"ColorBegin", [&] { gradient->SetColorBegin(gradient->ColorBegin()); }, 1},
        {"ColorEnd", [&] { gradient->SetColorEnd(gradient->ColorEnd()); }, 1},
        {"Gradient", [&] { gradient->SetGradient(gradient->Gradient()); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        gradient->Paints = 0;
        c.write();
        WindowHarness::ProcessPaints();
        EXPECT_EQ(gradient->Paints, c.paints);
    }
}

TEST_F(QovGradientTest, GoesBehindItsSiblingsOnItsFirstPaintOnly)
{
    auto* sibling = new TPanel(&form);
    sibling->SetParent(&form);
    gradient->BringToFront();
    ASSERT_EQ(form.Controls(1), gradient);

    Grab();
    EXPECT_EQ(form.Controls(0), gradient);

    sibling->SendToBack();
    Grab();
    EXPECT_EQ(form.Controls(0), sibling) << "a sibling sent behind later stays behind";
}

TEST_F(QovGradientTest, UnknownDirectionPaintsNothingButStillGoesToTheBack)
{
    auto* sibling = new TPanel(&form);
    sibling->SetParent(&form);
    sibling->SetBounds(150, 50, 10, 10);
    gradient->BringToFront();

    gradient->SetGradient(static_cast<TGradientDirection>(2));
    Grab();
    EXPECT_TRUE(Uniform(Background));
    EXPECT_EQ(form.Controls(0), gradient);
}

TEST_F(QovGradientTest, MissingExportLeavesTheFunctionNullAndPaintsTheBeginColour)
{
    {
        ModuleTableChange change;
        TModuleTable::RemoveExport("MSIMG32.DLL", "GradientFill");
        change.StartUnitAsNewProgram();
        EXPECT_NE(MsImgHandle, nullptr);
        EXPECT_EQ(GradientFillFunc, nullptr);

        gradient->SetColorBegin(clNavy);
        gradient->SetColorEnd(clWhite);
        Grab();
        EXPECT_TRUE(Uniform(clNavy));
    }
    EXPECT_EQ(GradientFillFunc, &GradientFill);
}

TEST_F(QovGradientTest, MissingLibraryLeavesBothNull)
{
    ModuleTableChange change;
    TModuleTable::SetAvailable("MSIMG32.DLL", false);
    change.StartUnitAsNewProgram();
    EXPECT_EQ(MsImgHandle, nullptr);
    EXPECT_EQ(GradientFillFunc, nullptr);
    Grab();
    EXPECT_TRUE(Uniform(ColorToRGB(clBtnFace)));
}

TEST_F(QovGradientTest, ShutDownFreesTheLibraryAndKeepsTheFunction)
{
    const int loads = TModuleTable::LoadCount("MSIMG32.DLL");
    FinalizeQovGradient();
    EXPECT_EQ(TModuleTable::LoadCount("MSIMG32.DLL"), loads - 1);
    EXPECT_EQ(GradientFillFunc, &GradientFill);
    InitializeQovGradient();
    EXPECT_EQ(TModuleTable::LoadCount("MSIMG32.DLL"), loads);
}
