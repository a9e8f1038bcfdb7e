#include "resources/resource.h"
#include "support/Win32.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Kestrum;

namespace {

HINSTANCE Instance()
{
    return GetModuleHandleW(nullptr);
}

std::wstring ClassNameOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

SIZE ClientSizeOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

struct CreationSnapshot {
    Form* sender = nullptr;
    HWND window = nullptr;
    HWND mainWindowThen = nullptr;
    bool createdThen = true;
    int raised = 0;
};
CreationSnapshot snapshot;

void TakeCreationSnapshot(GUIElement* sender, HWND window)
{
    snapshot.sender = dynamic_cast<Form*>(sender);
    snapshot.window = window;
    snapshot.mainWindowThen = mainWindow;
    snapshot.createdThen = sender->created;
    ++snapshot.raised;
}

std::vector<std::string> formEvents;

// A derived form whose callbacks forward to its own operations, as the program's forms do.
class ProbeForm : public Form {
public:
    ProbeForm() : Form(GetModuleHandleW(nullptr))
    {
        closingCallback = [](GUIElement*) {
            formEvents.push_back("closing");
            return true;
        };
        destroyedCallback = [](GUIElement*) { formEvents.push_back("destroyed"); };
        deactivatedCallback = [](GUIElement*) { formEvents.push_back("deactivated"); };
        lostFocusCallback = [](GUIElement*) { formEvents.push_back("lostFocus"); };
    }
};

void PumpAndForget()
{
    TestSupport::PumpMessages();
}

}  // namespace

TEST(Form, FirstFormRegistersWindow0AndTakesId1)
{
    Form first(Instance());
    Form second(Instance());

    first.Create();
    second.Create();

    EXPECT_EQ(ClassNameOf(first.hwnd), L"Window0");
    EXPECT_EQ(first.id, 1);
    EXPECT_EQ(ClassNameOf(second.hwnd), L"Window1");
    EXPECT_EQ(second.id, 2);
    EXPECT_EQ(first.typeName, "form");
    EXPECT_EQ(mainWindow, first.hwnd);
}

TEST(Form, ClassNameFollowsTheIdCounter)
{
    nextControlId = 41;
    Form form(Instance());

    form.Create();

    EXPECT_EQ(ClassNameOf(form.hwnd), L"Window41");
    EXPECT_EQ(form.id, 42);
    EXPECT_EQ(nextControlId, 42);
}

TEST(Form, CreateTwiceRegistersNothingAndCreatesOneWindow)
{
    Form form(Instance());
    CoreTest::CreationRecorder recorder;

    form.Create();
    HWND window = form.hwnd;
    form.Create();

    EXPECT_EQ(recorder.OfClass(L"Window").size(), 1u);
    EXPECT_EQ(form.hwnd, window);
    EXPECT_EQ(form.id, 1);
    EXPECT_EQ(nextControlId, 1);
    WNDCLASSW unused{};
    EXPECT_FALSE(GetClassInfoW(Instance(), L"Window1", &unused));
}

TEST(Form, StylesFollowTheFlags)
{
    struct Case {
        const char* name;
        bool dialog;
        bool topMost;
        bool minimizeBox;
        bool maximizeBox;
        bool titleBar;
        bool modalFrame;
        bool enabled;
        DWORD style;
        DWORD extendedStyle;
    };
    const Case cases[] = {
        {"main form", false, true, true, false, true, false, true, 0x10CA0000, 0},
        {"about box", true, false, false, false, true, true, true, 0x10C80080, 0x81},
        {"defaults", false, true, true, true, true, false, true, 0x10CF0000, 0},
        {"no boxes", false, true, false, false, true, false, true, 0x10C80000, 0},
        {"no title bar", false, true, true, true, false, false, true, 0x80000000, 0},
        {"disabled", false, true, true, false, true, false, false, 0x18CA0000, 0},
        {"topmost dialog", true, true, true, true, true, false, true, 0x10C90000, 0x89},
        {"dialog ignores title bar", true, false, true, false, false, false, true, 0x10C80000, 0x81},
    };
    for (const Case& c : cases) {
        Form form(Instance(), c.dialog);
        form.topMost = c.topMost;
        form.minimizeBox = c.minimizeBox;
        form.maximizeBox = c.maximizeBox;
        form.titleBar = c.titleBar;
        form.modalFrame = c.modalFrame;
        form.enabled = c.enabled;
        CoreTest::CreationRecorder recorder;

        form.Create();

        auto windows = recorder.OfClass(L"Window");
        ASSERT_EQ(windows.size(), 1u) << c.name;
        EXPECT_EQ(windows[0].style, c.style) << c.name;
        // The system adds WS_EX_WINDOWEDGE to every window with a dialog frame before a hook sees the
        // request; the toolkit never asks for it.
        EXPECT_EQ(windows[0].extendedStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), c.extendedStyle) << c.name;
        EXPECT_EQ(windows[0].parent, nullptr) << c.name;
        EXPECT_EQ(windows[0].menu, nullptr) << c.name;
    }
}

TEST(Form, CreateUsesTheStoredPlaceSizeAndTitle)
{
    Form form(Instance());
    form.x = 30;
    form.y = 40;
    form.width = 321;
    form.height = 123;
    form.SetText(std::string("Zelvanto"));
    CoreTest::CreationRecorder recorder;

    form.Create();

    auto windows = recorder.OfClass(L"Window");
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].className, L"Window0");
    EXPECT_EQ(windows[0].x, 30);
    EXPECT_EQ(windows[0].y, 40);
    EXPECT_EQ(windows[0].width, 321);
    EXPECT_EQ(windows[0].height, 123);
    wchar_t title[32] = {};
    GetWindowTextW(form.hwnd, title, 32);
    EXPECT_STREQ(title, L"Zelvanto");
    EXPECT_TRUE(IsWindowVisible(form.hwnd));
    EXPECT_TRUE(form.created);
}

TEST(Form, ClassTakesTheBackgroundColourSetBeforeCreate)
{
    Form plain(Instance());
    Form coloured(Instance());
    coloured.SetBackColor(RGB(10, 20, 30));

    plain.Create();
    coloured.Create();

    auto plainBrush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(plain.hwnd, GCLP_HBRBACKGROUND));
    EXPECT_EQ(plainBrush, GetSysColorBrush(COLOR_BTNFACE));
    auto colouredBrush = reinterpret_cast<HBRUSH>(GetClassLongPtrW(coloured.hwnd, GCLP_HBRBACKGROUND));
    LOGBRUSH brush{};
    ASSERT_EQ(GetObjectW(colouredBrush, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));
    EXPECT_FALSE(coloured.backColorSet);
}

TEST(Form, MessagesDuringCreationAreAttributedToTheFormBeingCreated)
{
    snapshot = CreationSnapshot{};
    Form form(Instance());
    form.createdCallback = TakeCreationSnapshot;

    form.Create();

    // Raised from WM_CREATE, inside CreateWindowExW: the main window is not recorded yet.
    EXPECT_EQ(snapshot.sender, &form);
    EXPECT_EQ(snapshot.window, form.hwnd);
    EXPECT_EQ(snapshot.mainWindowThen, nullptr);
    EXPECT_FALSE(snapshot.createdThen);
    EXPECT_EQ(snapshot.raised, 1);
}

TEST(Form, SetClientSizeGivesTheAskedClientArea)
{
    struct Case {
        const char* name;
        bool dialog;
        int clientWidth;
        int clientHeight;
    };
    const Case cases[] = {
        {"main form", false, 640, 400},
        {"about box", true, 600, 300},
        {"small", false, 150, 90},
    };
    for (const Case& c : cases) {
        Form form(Instance(), c.dialog);
        form.maximizeBox = false;
        form.Create();

        form.SetClientSize(c.clientWidth, c.clientHeight);

        SIZE client = ClientSizeOf(form.hwnd);
        EXPECT_EQ(client.cx, c.clientWidth) << c.name;
        EXPECT_EQ(client.cy, c.clientHeight) << c.name;
        RECT outer{};
        GetWindowRect(form.hwnd, &outer);
        EXPECT_EQ(form.width, outer.right - outer.left) << c.name;
        EXPECT_EQ(form.height, outer.bottom - outer.top) << c.name;
    }
}

TEST(Form, SetClientSizeBeforeCreateChangesNothing)
{
    Form form(Instance());

    form.SetClientSize(640, 400);

    EXPECT_EQ(form.width, 100);
    EXPECT_EQ(form.height, 50);
}

TEST(Form, CenterOnScreenBeforeCreateStoresThePlaceThatCreateUses)
{
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        int width;
        int height;
    };
    const Case cases[] = {{300, 200}, {301, 201}, {screenWidth + 11, screenHeight + 7}};
    for (const Case& c : cases) {
        Form form(Instance());
        form.width = c.width;
        form.height = c.height;

        form.CenterOnScreen();

        // Division toward zero: a form larger than the screen gets a negative place.
        EXPECT_EQ(form.x, (screenWidth - c.width) / 2) << c.width;
        EXPECT_EQ(form.y, (screenHeight - c.height) / 2) << c.height;
        EXPECT_FALSE(form.created);
        CoreTest::CreationRecorder recorder;
        form.Create();
        auto windows = recorder.OfClass(L"Window");
        ASSERT_EQ(windows.size(), 1u);
        EXPECT_EQ(windows[0].x, form.x);
        EXPECT_EQ(windows[0].y, form.y);
    }
}

TEST(Form, CenterOnScreenMovesACreatedWindow)
{
    Form form(Instance());
    form.x = 0;
    form.y = 0;
    form.Create();
    form.SetClientSize(400, 250);

    form.CenterOnScreen();

    RECT outer{};
    GetWindowRect(form.hwnd, &outer);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2);
    EXPECT_EQ(ClientSizeOf(form.hwnd).cx, 400);
}

TEST(Form, ClassIconIsTheApplicationIconOrTheGivenResource)
{
    Form plain(Instance());
    Form withIcon(Instance());
    withIcon.SetIcon(IDI_GAME);

    plain.Create();
    withIcon.Create();

    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(plain.hwnd, GCLP_HICON)), LoadIconW(nullptr, IDI_APPLICATION));
    HICON gameIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_GAME));
    ASSERT_NE(gameIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrW(withIcon.hwnd, GCLP_HICON)), gameIcon);
    EXPECT_EQ(withIcon.iconId, IDI_GAME);
    EXPECT_EQ(withIcon.iconHandle, nullptr);
}

TEST(Form, SetIconSetsTheSmallIconAndReleasesNoSharedIcon)
{
    Form form(Instance());
    form.Create();

    form.SetIcon(IDI_GAME);
    form.SetIcon(IDI_GAME);

    HICON gameIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_GAME));
    EXPECT_EQ(form.iconHandle, gameIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.hwnd, WM_GETICON, ICON_SMALL, 0)), gameIcon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(gameIcon, &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST(Form, SetIconWithAMissingResourceKeepsTheIconInUse)
{
    Form form(Instance());
    form.Create();
    form.SetIcon(IDI_GAME);
    HICON inUse = form.iconHandle;

    form.SetIcon(4242);

    EXPECT_EQ(form.iconId, 4242);
    EXPECT_EQ(form.iconHandle, inUse);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(form.hwnd, WM_GETICON, ICON_SMALL, 0)), inUse);
}

TEST(Form, DeletingAFormWithALiveWindowDestroysItWithoutCallingTheDerivedForm)
{
    formEvents.clear();
    Form other(Instance());
    other.Create();
    auto* probe = new ProbeForm();
    probe->Create();
    other.ownedForm = probe;
    HWND window = probe->hwnd;
    formEvents.clear();

    delete probe;
    PumpAndForget();

    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(formEvents.empty());
    EXPECT_EQ(other.ownedForm, nullptr);
}

TEST(Form, DeletingTheActiveFormClearsIt)
{
    auto* form = new Form(Instance());
    form->Create();
    SetForegroundWindow(form->hwnd);
    PumpAndForget();
    ASSERT_EQ(activeForm, form);

    delete form;

    EXPECT_EQ(activeForm, nullptr);
}
