#include "support/FontDescription.h"
#include "support/Win32.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/PanelChildren.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Kestrum;

namespace {

std::wstring ClassNameOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

struct CreationSnapshot {
    GUIElement* sender = nullptr;
    HWND hwndThen = reinterpret_cast<HWND>(1);
    int createdCalls = 0;
};
CreationSnapshot snapshot;

class PanelOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        snapshot = CreationSnapshot{};
        form = std::make_unique<Form>(GetModuleHandleW(nullptr));
        form->width = 400;
        form->height = 300;
        form->Create();
    }

    void TearDown() override
    {
        form.reset();
        TestSupport::PumpMessages();
    }

    // Asks the panel for a child control's colours as the control would before it paints.
    HBRUSH AskColour(PanelChildren& panel, HWND control, HDC dc)
    {
        return reinterpret_cast<HBRUSH>(SendMessageW(panel.hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(control)));
    }

    std::unique_ptr<Form> form;
};

}  // namespace

TEST_F(PanelOnForm, EachPanelRegistersItsOwnClassNamedAfterTheIdCounter)
{
    PanelChildren first(form.get());
    PanelChildren second(form.get());

    first.Create();
    second.Create();

    EXPECT_EQ(ClassNameOf(first.hwnd), L"PanelChildren1");
    EXPECT_EQ(first.id, 2);
    EXPECT_EQ(ClassNameOf(second.hwnd), L"PanelChildren2");
    EXPECT_EQ(second.id, 3);
    EXPECT_EQ(GetParent(first.hwnd), form->hwnd);
    EXPECT_EQ(GetDlgCtrlID(first.hwnd), first.id);
    EXPECT_EQ(first.typeName, "panel");
}

TEST_F(PanelOnForm, CreateTwiceDoesNothingAndTakesNoId)
{
    PanelChildren panel(form.get());
    panel.Create();
    HWND window = panel.hwnd;

    panel.Create();

    EXPECT_EQ(panel.hwnd, window);
    EXPECT_EQ(panel.id, 2);
    EXPECT_EQ(nextControlId, 2);
}

TEST_F(PanelOnForm, StylesFollowTheFlags)
{
    struct Case {
        const char* name;
        bool border;
        bool tabStop;
        bool enabled;
        DWORD style;
        DWORD extendedStyle;
    };
    const Case cases[] = {
        {"defaults", false, true, true, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0},
        {"sunken border", true, true, true, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, WS_EX_CLIENTEDGE},
        {"no tab stop", false, false, true, WS_CHILD | WS_VISIBLE, 0},
        {"disabled", false, true, false, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, 0},
    };
    for (const Case& c : cases) {
        PanelChildren panel(form.get());
        panel.border = c.border;
        panel.tabStop = c.tabStop;
        panel.enabled = c.enabled;
        panel.x = 12;
        panel.y = 34;
        panel.width = 56;
        panel.height = 78;
        CoreTest::CreationRecorder recorder;

        panel.Create();

        auto windows = recorder.OfClass(L"PanelChildren");
        ASSERT_EQ(windows.size(), 1u) << c.name;
        EXPECT_EQ(windows[0].style, c.style) << c.name;
        EXPECT_EQ(windows[0].extendedStyle, c.extendedStyle) << c.name;
        EXPECT_EQ(windows[0].x, 12) << c.name;
        EXPECT_EQ(windows[0].y, 34) << c.name;
        EXPECT_EQ(windows[0].width, 56) << c.name;
        EXPECT_EQ(windows[0].height, 78) << c.name;
        EXPECT_EQ(windows[0].parent, form->hwnd) << c.name;
        EXPECT_EQ(windows[0].menu, reinterpret_cast<HMENU>(static_cast<INT_PTR>(panel.id))) << c.name;
    }
}

TEST_F(PanelOnForm, CreateRaisesTheCreatedCallbackDirectly)
{
    PanelChildren panel(form.get());
    panel.createdCallback = [](GUIElement* sender, HWND window) {
        snapshot.sender = sender;
        snapshot.hwndThen = window;
        ++snapshot.createdCalls;
    };

    panel.Create();

    EXPECT_EQ(snapshot.sender, &panel);
    EXPECT_EQ(snapshot.hwndThen, panel.hwnd);
    EXPECT_EQ(snapshot.createdCalls, 1);
    EXPECT_FALSE(panel.createdRaised);
}

TEST_F(PanelOnForm, MessagesDuringCreationAreAttributedToThePanel)
{
    PanelChildren panel(form.get());
    panel.resizedCallback = [](GUIElement* sender) {
        if (snapshot.sender == nullptr) {
            snapshot.sender = sender;
            snapshot.hwndThen = sender->hwnd;
        }
    };

    panel.Create();

    EXPECT_EQ(snapshot.sender, &panel);
    EXPECT_EQ(snapshot.hwndThen, nullptr);
}

TEST_F(PanelOnForm, ClassBackgroundIsTheColourSetBeforeCreate)
{
    PanelChildren plain(form.get());
    PanelChildren coloured(form.get());
    coloured.SetBackColor(RGB(200, 100, 50));

    plain.Create();
    coloured.Create();

    EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrW(plain.hwnd, GCLP_HBRBACKGROUND)), GetSysColorBrush(COLOR_BTNFACE));
    LOGBRUSH brush{};
    GetObjectW(reinterpret_cast<HBRUSH>(GetClassLongPtrW(coloured.hwnd, GCLP_HBRBACKGROUND)), sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(200, 100, 50));
}

TEST_F(PanelOnForm, PanelWithoutColourAnswersWithTheFaceBrushAndLeavesTheDcAlone)
{
    PanelChildren panel(form.get());
    panel.Create();
    HDC dc = GetDC(panel.hwnd);
    SetBkColor(dc, RGB(1, 2, 3));

    // The second answer releases the first; the shared face brush must survive that.
    for (int answer = 0; answer < 2; ++answer) {
        HBRUSH brush = AskColour(panel, nullptr, dc);

        EXPECT_EQ(brush, GetSysColorBrush(COLOR_BTNFACE)) << answer;
        EXPECT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH)) << answer;
        EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3)) << answer;
    }
    ReleaseDC(panel.hwnd, dc);
}

TEST_F(PanelOnForm, ColouredPanelAnswersWithItsColourAndFont)
{
    FontDescription font("Arial", 16);
    PanelChildren panel(form.get());
    panel.SetBackColor(RGB(40, 80, 120));
    panel.font = &font;
    panel.Create();
    HDC dc = GetDC(panel.hwnd);

    HBRUSH brush = AskColour(panel, nullptr, dc);

    LOGBRUSH description{};
    ASSERT_EQ(GetObjectW(brush, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(description.lbColor, RGB(40, 80, 120));
    EXPECT_EQ(brush, panel.childBrush);
    EXPECT_EQ(GetBkColor(dc), RGB(40, 80, 120));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font.GetFontHandle());
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    ReleaseDC(panel.hwnd, dc);
}

TEST_F(PanelOnForm, EachColourAnswerDeletesThePreviousBrush)
{
    auto panel = std::make_unique<PanelChildren>(form.get());
    panel->SetBackColor(RGB(40, 80, 120));
    panel->Create();
    HDC dc = GetDC(panel->hwnd);
    AskColour(*panel, nullptr, dc);
    const int roomWithOneBrush = TestSupport::GdiObjectRoom();

    for (int i = 0; i < 5; ++i)
        AskColour(*panel, nullptr, dc);

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomWithOneBrush);
    ReleaseDC(panel->hwnd, dc);
    DestroyWindow(panel->hwnd);
    const int roomBeforeDeletion = TestSupport::GdiObjectRoom();
    panel.reset();
    // The last answer's brush, and the class's background brush, which goes with the class.
    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBeforeDeletion + 2);
}

TEST_F(PanelOnForm, ChildControlsPaintOnThePanelsColour)
{
    PanelChildren panel(form.get());
    panel.SetBackColor(RGB(0, 128, 64));
    panel.x = 0;
    panel.y = 0;
    panel.width = 200;
    panel.height = 60;
    panel.Create();
    HWND label = CreateWindowExW(0, L"static", L"", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, panel.hwnd, nullptr,
                                 nullptr, nullptr);
    InvalidateRect(label, nullptr, TRUE);

    TestSupport::Canvas canvas(label);

    EXPECT_TRUE(canvas.IsUniform(RECT{0, 0, canvas.Width(), canvas.Height()}, RGB(0, 128, 64)));
    DestroyWindow(label);
}

TEST_F(PanelOnForm, IdsFollowCreationOrderAndMenuItemsTakeTheirsAtConstruction)
{
    PanelChildren panel(form.get());
    Button button(form.get(), "Ok");
    SubMenu item(nullptr, "&Esci");
    CoreTest::EditElement edit(form.get());

    edit.Create();
    button.Create();
    panel.Create();

    EXPECT_EQ(item.id, 2);
    EXPECT_EQ(edit.id, 3);
    EXPECT_EQ(button.id, 4);
    EXPECT_EQ(panel.id, 5);
}
