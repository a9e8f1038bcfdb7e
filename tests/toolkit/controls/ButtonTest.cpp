#include "support/FontDescription.h"
#include "support/Win32.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/TestBitmaps.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/WindowProcedure.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Kestrum;
using TestSupport::Canvas;

namespace {

constexpr COLORREF kText = RGB(0x20, 0x40, 0x60);
constexpr COLORREF kFace = RGB(0xC0, 0xD0, 0xE0);

int clicks = 0;

void CountClick(GUIElement*)
{
    ++clicks;
}

// An icon of one opaque colour, 32 x 32.
HICON MakeIcon(COLORREF color)
{
    HBITMAP colour = TestSupport::MakeBitmap(32, 32, color);
    const BYTE opaque[32 * 4] = {};
    HBITMAP mask = CreateBitmap(32, 32, 1, 1, opaque);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

RECT Interior(int width, int height)
{
    return RECT{1, 1, width - 1, height - 1};
}

class ButtonOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        clicks = 0;
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

    std::unique_ptr<Form> form;
};

// Paints the button's face into a canvas whose DC carries the colours (and font) that a parent would
// have set while answering WM_CTLCOLORBTN.
class OwnerDrawnButton : public ButtonOnForm {
protected:
    void SetUp() override
    {
        ButtonOnForm::SetUp();
        button = std::make_unique<Button>(form.get(), "");
        button->ownerDraw = true;
        button->Create();
    }

    void TearDown() override
    {
        button.reset();
        ButtonOnForm::TearDown();
    }

    void Paint(Canvas& canvas, UINT state, HFONT font = nullptr)
    {
        SetTextColor(canvas.Dc(), kText);
        SetBkColor(canvas.Dc(), kFace);
        HGDIOBJ previousFont = font != nullptr ? SelectObject(canvas.Dc(), font) : nullptr;
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(button->id);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button->hwnd;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, canvas.Width(), canvas.Height()};
        EXPECT_TRUE(button->PaintFace(item));
        GdiFlush();
        if (font != nullptr)
            SelectObject(canvas.Dc(), previousFont);
    }

    // Where the caption's ink should be: the same text drawn by DrawTextW at the given place.
    RECT ReferenceInk(int width, int height, int left, int top, bool centred, HFONT font = nullptr)
    {
        Canvas reference(width, height, kFace);
        HGDIOBJ previousFont = font != nullptr ? SelectObject(reference.Dc(), font) : nullptr;
        SetBkMode(reference.Dc(), TRANSPARENT);
        SetTextColor(reference.Dc(), kText);
        RECT place{left, top, width, top + height};
        DrawTextW(reference.Dc(), button->text.c_str(), -1, &place, centred ? DT_CENTER : DT_LEFT);
        GdiFlush();
        if (font != nullptr)
            SelectObject(reference.Dc(), previousFont);
        return reference.InkBounds(RECT{left > 0 ? left : 1, 1, width - 1, height - 1}, kFace);
    }

    std::unique_ptr<Button> button;
};

void ExpectRect(const RECT& actual, const RECT& expected, const char* name)
{
    EXPECT_EQ(actual.left, expected.left) << name;
    EXPECT_EQ(actual.top, expected.top) << name;
    EXPECT_EQ(actual.right, expected.right) << name;
    EXPECT_EQ(actual.bottom, expected.bottom) << name;
}

}  // namespace

TEST(Button, ConstructionStoresTheCaptionAndItsDefaults)
{
    Form form(nullptr);

    Button button(&form, "Caff\xE8");

    EXPECT_EQ(button.text, L"Caff\u00E8");
    EXPECT_EQ(button.parent, &form);
    EXPECT_EQ(button.width, 80);
    EXPECT_EQ(button.height, 30);
    EXPECT_EQ(button.x, 100);
    EXPECT_EQ(button.typeName, "button");
    EXPECT_EQ(button.commandHandler, nullptr);
    EXPECT_FALSE(button.ownerDraw);
    EXPECT_EQ(button.bitmap, nullptr);
    EXPECT_EQ(button.icon, nullptr);
    EXPECT_FALSE(button.created);
    EXPECT_EQ(allElements.back(), &button);
}

TEST_F(ButtonOnForm, CreateTwiceCreatesOneWindow)
{
    Button button(form.get(), "Start");
    CoreTest::CreationRecorder recorder;

    button.Create();
    HWND window = button.hwnd;
    button.Create();

    EXPECT_EQ(recorder.OfClass(L"Button").size(), 1u);
    EXPECT_EQ(button.hwnd, window);
    EXPECT_EQ(button.id, 2);
    EXPECT_EQ(nextControlId, 2);
}

TEST_F(ButtonOnForm, CreateMakesASubclassedButtonControlWithTheStyleOfItsFlags)
{
    struct Case {
        const char* name;
        bool ownerDraw;
        bool enabled;
        DWORD style;
    };
    const Case cases[] = {
        {"push button", false, true, WS_CHILD | WS_VISIBLE | WS_TABSTOP},
        {"owner-drawn", true, true, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW},
        {"disabled", false, false, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED},
        {"owner-drawn, disabled", true, false, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | WS_DISABLED},
    };
    for (const Case& c : cases) {
        Button button(form.get(), "Info");
        button.ownerDraw = c.ownerDraw;
        button.enabled = c.enabled;
        button.x = 11;
        button.y = 22;
        button.width = 33;
        button.height = 44;
        CoreTest::CreationRecorder recorder;

        button.Create();

        auto windows = recorder.OfClass(L"Button");
        ASSERT_EQ(windows.size(), 1u) << c.name;
        EXPECT_EQ(windows[0].className, L"Button") << c.name;
        EXPECT_EQ(windows[0].style, c.style) << c.name;
        EXPECT_EQ(windows[0].extendedStyle, 0u) << c.name;
        EXPECT_EQ(windows[0].x, 11) << c.name;
        EXPECT_EQ(windows[0].y, 22) << c.name;
        EXPECT_EQ(windows[0].width, 33) << c.name;
        EXPECT_EQ(windows[0].height, 44) << c.name;
        EXPECT_EQ(windows[0].parent, form->hwnd) << c.name;
        EXPECT_EQ(GetDlgCtrlID(button.hwnd), button.id) << c.name;
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button.hwnd, GWLP_WNDPROC)), ElementWndProc) << c.name;
        EXPECT_NE(button.savedWndProc, nullptr) << c.name;
        EXPECT_NE(button.savedWndProc, ElementWndProc) << c.name;
    }
}

TEST_F(ButtonOnForm, CreateAppliesTheFont)
{
    FontDescription font("Lucida Console", 14);
    Button button(form.get(), "A");
    button.font = &font;

    button.Create();

    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(button.hwnd, WM_GETFONT, 0, 0)), font.GetFontHandle());
}

TEST_F(ButtonOnForm, EachPressCallsTheCommandHandlerOnce)
{
    struct Case {
        const char* name;
        bool ownerDraw;
        bool byKeyboard;
    };
    const Case cases[] = {
        {"click", false, false},
        {"owner-drawn click", true, false},
        {"space bar", false, true},
        {"owner-drawn space bar", true, true},
    };
    for (const Case& c : cases) {
        Button button(form.get(), "A");
        button.ownerDraw = c.ownerDraw;
        button.commandHandler = CountClick;
        button.Create();
        clicks = 0;

        if (c.byKeyboard) {
            button.Focus();
            SendMessageW(button.hwnd, WM_KEYDOWN, VK_SPACE, 1);
            SendMessageW(button.hwnd, WM_KEYUP, VK_SPACE, 0xC0000001);
        } else {
            SendMessageW(button.hwnd, BM_CLICK, 0, 0);
        }
        TestSupport::PumpMessages();

        EXPECT_EQ(clicks, 1) << c.name;
    }
}

TEST_F(OwnerDrawnButton, FaceAndOutlineShowTheState)
{
    struct Case {
        const char* name;
        UINT state;
        COLORREF outline;
        COLORREF caption;
    };
    const Case cases[] = {
        {"normal", 0, kText, kText},
        {"focused", ODS_FOCUS, kText, kText},
        {"pressed: inverted outline", ODS_SELECTED, RGB(0xDF, 0xBF, 0x9F), kText},
        {"disabled", ODS_DISABLED, 0x696969, 0x969696},
        {"disabled wins over pressed", ODS_DISABLED | ODS_SELECTED, 0x696969, 0x969696},
    };
    button->SetText(std::string("Indovina"));
    for (const Case& c : cases) {
        Canvas canvas(90, 30, RGB(255, 255, 255));

        Paint(canvas, c.state);

        const int w = canvas.Width();
        const int h = canvas.Height();
        EXPECT_TRUE(canvas.IsUniform(RECT{0, 0, w, 1}, c.outline)) << c.name;
        EXPECT_TRUE(canvas.IsUniform(RECT{0, h - 1, w, h}, c.outline)) << c.name;
        EXPECT_TRUE(canvas.IsUniform(RECT{0, 0, 1, h}, c.outline)) << c.name;
        EXPECT_TRUE(canvas.IsUniform(RECT{w - 1, 0, w, h}, c.outline)) << c.name;
        EXPECT_TRUE(canvas.IsUniform(RECT{1, 1, w - 1, 2}, kFace)) << c.name;
        EXPECT_GT(canvas.CountPixels(Interior(w, h), c.caption), 0) << c.name;
        if (c.caption != kText) {
            EXPECT_EQ(canvas.CountPixels(Interior(w, h), kText), 0) << c.name;
        }
    }
}

TEST_F(OwnerDrawnButton, PressedOutlineInvertsEachChannelOfTheTextColour)
{
    struct Case {
        COLORREF text;
        COLORREF outline;
    };
    const Case cases[] = {{RGB(255, 255, 255), RGB(0, 0, 0)}, {RGB(0, 0, 0), RGB(255, 255, 255)},
                          {RGB(0x12, 0x80, 0xF0), RGB(0xED, 0x7F, 0x0F)}};
    for (const Case& c : cases) {
        Canvas canvas(60, 24, RGB(1, 1, 1));
        SetTextColor(canvas.Dc(), c.text);
        SetBkColor(canvas.Dc(), kFace);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.itemState = ODS_SELECTED;
        item.hwndItem = button->hwnd;
        item.hDC = canvas.Dc();
        item.rcItem = RECT{0, 0, 60, 24};

        button->PaintFace(item);

        EXPECT_EQ(canvas.Pixel(0, 0), c.outline) << std::hex << c.text;
        EXPECT_EQ(canvas.Pixel(59, 23), c.outline) << std::hex << c.text;
    }
}

TEST_F(OwnerDrawnButton, CaptionIsCentredOnItsLineAndNeverAboveTheFace)
{
    struct Case {
        const char* name;
        int faceHeight;
        int fontHeight;
        int offset;
    };
    const Case cases[] = {
        {"14 in 30", 30, 14, 8},
        {"14 in 31 rounds down", 31, 14, 8},
        {"40 in 30: not negative", 30, 40, 0},
        {"character height -12 in 40", 40, -12, 26},
    };
    button->SetText(std::string("Esci"));
    for (const Case& c : cases) {
        HFONT font = CreateFontW(c.fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH,
                                 L"Arial");
        Canvas canvas(120, c.faceHeight, RGB(255, 255, 255));

        Paint(canvas, ODS_SELECTED, font);

        RECT ink = canvas.InkBounds(Interior(120, c.faceHeight), kFace);
        ExpectRect(ink, ReferenceInk(120, c.faceHeight, 0, c.offset, true, font), c.name);
        DeleteObject(font);
    }
}

TEST_F(OwnerDrawnButton, PictureMovesTheCaptionAndIsPlacedAtTheLeft)
{
    HBITMAP wide = TestSupport::MakeBitmap(20, 10, RGB(255, 0, 0));
    HBITMAP narrow = TestSupport::MakeBitmap(12, 6, RGB(0, 255, 0));
    HICON icon = MakeIcon(RGB(0, 0, 255));
    struct Case {
        const char* name;
        HBITMAP bitmap;
        HBITMAP disabledBitmap;
        HICON icon;
        UINT state;
        int captionLeft;
        RECT picture;
    };
    const Case cases[] = {
        {"bitmap 20 wide", wide, nullptr, nullptr, 0, 28, RECT{5, 15, 25, 25}},
        {"icon", nullptr, nullptr, icon, 0, 40, RECT{5, 4, 37, 36}},
        {"bitmap wins over icon", wide, nullptr, icon, 0, 28, RECT{5, 15, 25, 25}},
        {"disabled bitmap", wide, narrow, nullptr, ODS_DISABLED, 20, RECT{5, 17, 17, 23}},
        {"disabled without a disabled picture", wide, nullptr, icon, ODS_DISABLED, 0, RECT{}},
    };
    button->SetText(std::string("Home"));
    // The canvas DC carries the stock system font; the face centres the caption by its height.
    LOGFONTW systemFont{};
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof systemFont, &systemFont);
    const int captionTop = (40 - systemFont.lfHeight) / 2;
    for (const Case& c : cases) {
        button->bitmap = c.bitmap;
        button->disabledBitmap = c.disabledBitmap;
        button->icon = c.icon;
        button->SetEnabled((c.state & ODS_DISABLED) == 0);
        Canvas canvas(140, 40, RGB(255, 255, 255));

        Paint(canvas, c.state);

        if (c.captionLeft > 0) {
            RECT expected = ReferenceInk(140, 40, c.captionLeft, captionTop, false);
            ExpectRect(canvas.InkBounds(RECT{c.captionLeft, 1, 139, 39}, kFace), expected, c.name);
            ExpectRect(canvas.InkBounds(RECT{1, 1, c.captionLeft, 39}, kFace), c.picture, c.name);
        } else {
            RECT expected = ReferenceInk(140, 40, 0, captionTop, true);
            ExpectRect(canvas.InkBounds(Interior(140, 40), kFace), expected, c.name);
        }
    }
    button->bitmap = nullptr;
    button->disabledBitmap = nullptr;
    button->icon = nullptr;
    DeleteObject(wide);
    DeleteObject(narrow);
    DestroyIcon(icon);
}

TEST_F(OwnerDrawnButton, FocusRectangleIsInsetThreePixels)
{
    Canvas focused(70, 26, RGB(255, 255, 255));
    Canvas unfocused(70, 26, RGB(255, 255, 255));

    Paint(focused, ODS_FOCUS);
    Paint(unfocused, 0);

    ExpectRect(focused.InkBounds(Interior(70, 26), kFace), RECT{3, 3, 67, 23}, "focused");
    EXPECT_TRUE(unfocused.IsUniform(Interior(70, 26), kFace));
}

TEST_F(OwnerDrawnButton, PaintingLeavesNoGdiObjectBehind)
{
    HBITMAP picture = TestSupport::MakeBitmap(16, 16, RGB(255, 0, 0));
    button->bitmap = picture;
    button->SetText(std::string("&Esci"));
    Canvas canvas(100, 32, RGB(255, 255, 255));
    Paint(canvas, ODS_FOCUS);
    const int roomBefore = TestSupport::GdiObjectRoom();

    for (int i = 0; i < 200; ++i)
        Paint(canvas, (i % 2 == 0) ? ODS_FOCUS : ODS_SELECTED);

    EXPECT_EQ(TestSupport::GdiObjectRoom(), roomBefore);
    HGDIOBJ selected = GetCurrentObject(canvas.Dc(), OBJ_FONT);
    EXPECT_EQ(selected, GetStockObject(SYSTEM_FONT));
    button->bitmap = nullptr;
    DeleteObject(picture);
}

namespace {

// The parent's colours for its owner-drawn buttons, set while it answers WM_CTLCOLORBTN.
class ColouringForm : public Form {
public:
    ColouringForm() : Form(GetModuleHandleW(nullptr)) {}
    ~ColouringForm() override { DeleteObject(brush); }
    HBRUSH OnControlColor(HDC controlDc) override
    {
        SetTextColor(controlDc, RGB(255, 255, 0));
        SetBkColor(controlDc, RGB(0, 0, 128));
        return brush;
    }
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 128));
};

}  // namespace

TEST(OwnerDrawnButtonOnWindow, PaintsInTheColoursItsParentGives)
{
    ColouringForm form;
    form.width = 300;
    form.height = 200;
    form.Create();
    Button button(&form, "");
    button.ownerDraw = true;
    button.x = 10;
    button.y = 10;
    button.Create();
    InvalidateRect(button.hwnd, nullptr, TRUE);

    Canvas canvas(button.hwnd);

    EXPECT_TRUE(canvas.IsUniform(RECT{0, 0, 80, 1}, RGB(255, 255, 0)));
    EXPECT_TRUE(canvas.IsUniform(RECT{1, 1, 79, 29}, RGB(0, 0, 128)));
}
