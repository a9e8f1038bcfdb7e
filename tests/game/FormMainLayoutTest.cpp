#include "tests/game/FormMainFixture.h"

#include "tests/gui/Canvas.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/ImageFrame.h"
#include "toolkit/controls/SubMenu.h"

#include <vector>

using TestSupport::Canvas;

namespace {

RECT PlaceIn(HWND form, HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, form, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

struct Expected {
    const char* name;
    Kestrum::GUIElement* element;
    int x, y, width, height;
    const char* text;
    bool enabled;
};

}  // namespace

TEST_F(FormMainTest, IsAFixedSizeWindowAtItsPlaceWithTheGivenCaption)
{
    RECT window{}, client{};
    GetWindowRect(form->hwnd, &window);
    GetClientRect(form->hwnd, &client);
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.top, 100);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 400);
    EXPECT_EQ(form->GetNarrowText(), "ZelvantoGame prova");
    // The system adds WS_CLIPSIBLINGS to every top-level window and the window edge to every caption.
    EXPECT_EQ(GetWindowLongW(form->hwnd, GWL_STYLE) & ~WS_CLIPSIBLINGS, 0x10CA0000);
    EXPECT_EQ(GetWindowLongW(form->hwnd, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
}

TEST_F(FormMainTest, IdleControlsSitWhereTheLayoutPutsThem)
{
    const std::vector<Expected> expected = {
        {"start", form->startButton, 265, 15, 100, 40, "Inizia", true},
        {"info", form->infoButton, 420, 15, 100, 40, "Info", true},
        {"close", form->closeButton, 530, 15, 100, 40, "Chiudi", true},
        {"score label", form->scoreLabel, 10, 100, 170, 25, "Totale parole indovinate:", true},
        {"score", form->scoreCell, 175, 100, 40, 25, "0", true},
        {"hangman", form->hangmanFrame, 235, 100, 150, 150, "", true},
        {"banner", form->banner, 10, 10, 200, 50, "", true},  // a bitmap static takes its bitmap's size
    };
    for (const Expected& e : expected) {
        const RECT place = PlaceIn(form->hwnd, e.element->hwnd);
        EXPECT_EQ(place.left, e.x) << e.name;
        EXPECT_EQ(place.top, e.y) << e.name;
        EXPECT_EQ(place.right - place.left, e.width) << e.name;
        EXPECT_EQ(place.bottom - place.top, e.height) << e.name;
        EXPECT_EQ(e.element->GetNarrowText(), e.text) << e.name;
        EXPECT_EQ(IsWindowEnabled(e.element->hwnd) != FALSE, e.enabled) << e.name;
        EXPECT_TRUE(IsWindowVisible(e.element->hwnd)) << e.name;
    }
}

TEST_F(FormMainTest, IdleFormShowsFiveHiddenLetterCells)
{
    for (int i = 0; i < 20; ++i) {
        Kestrum::CellControl* cell = form->letterCells[i];
        EXPECT_EQ(cell->GetNarrowText(), "__") << i;
        EXPECT_EQ(IsWindowVisible(cell->hwnd) != FALSE, i < 5) << i;
        EXPECT_EQ(cell->visible, i < 5) << i;
        if (i < 5) {
            const RECT place = PlaceIn(form->hwnd, cell->hwnd);
            EXPECT_EQ(place.left, 240 + 28 * i) << i;
            EXPECT_EQ(place.top, 260) << i;
            EXPECT_EQ(place.right - place.left, 25) << i;
            EXPECT_EQ(place.bottom - place.top, 25) << i;
        }
    }
}

TEST_F(FormMainTest, LetterButtonsStandInRowsOfEightTenAndEightAllDisabled)
{
    const int rowY[] = {310, 335, 360};
    for (int i = 0; i < 26; ++i) {
        const int row = i < 8 ? 0 : i < 18 ? 1 : 2;
        const int column = i < 8 ? i + 1 : i < 18 ? i - 8 : i - 17;
        Kestrum::Button* button = form->letterButtons[i];
        const RECT place = PlaceIn(form->hwnd, button->hwnd);
        EXPECT_EQ(place.left, 10 + 62 * column) << i;
        EXPECT_EQ(place.top, rowY[row]) << i;
        EXPECT_EQ(place.right - place.left, 59) << i;
        EXPECT_EQ(place.bottom - place.top, 22) << i;
        EXPECT_EQ(button->GetNarrowText(), std::string(1, static_cast<char>('A' + i)));
        EXPECT_FALSE(IsWindowEnabled(button->hwnd)) << i;
        EXPECT_TRUE(button->GetHandCursor()) << i;
    }
}

TEST_F(FormMainTest, MenuBarHoldsFileAndHelpMenus)
{
    const HMENU bar = GetMenu(form->hwnd);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(MenuText(bar, 0), L"&File");
    EXPECT_EQ(MenuText(bar, 1), L"&?");
    const HMENU file = GetSubMenu(bar, 0);
    const HMENU help = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(file), 1);
    EXPECT_EQ(MenuText(file, 0), L"&Esci");
    EXPECT_EQ(GetMenuItemID(file, 0), static_cast<UINT>(form->exitItem->id));
    ASSERT_EQ(GetMenuItemCount(help), 2);
    EXPECT_EQ(MenuText(help, 0), L"&Guida");
    EXPECT_EQ(MenuText(help, 1), L"&Home");
    EXPECT_EQ(GetMenuItemID(help, 0), static_cast<UINT>(form->guideItem->id));
    EXPECT_EQ(GetMenuItemID(help, 1), static_cast<UINT>(form->homeItem->id));
}

TEST_F(FormMainTest, IdsFollowTheOrderOfCreation)
{
    EXPECT_EQ(form->id, 1);
    EXPECT_EQ(form->exitItem->id, 2);
    EXPECT_EQ(form->guideItem->id, 3);
    EXPECT_EQ(form->homeItem->id, 4);
    EXPECT_EQ(form->banner->id, 5);
    EXPECT_EQ(form->startButton->id, 6);
    EXPECT_EQ(form->letterCells[0]->id, 12);
    EXPECT_EQ(form->letterButtons[25]->id, 57);
}

TEST_F(FormMainTest, ButtonFacesTakeTheFormsColours)
{
    Canvas shown(form->hwnd);
    const COLORREF red = RGB(255, 0, 0), white = RGB(255, 255, 255);
    const COLORREF yellow = RGB(255, 250, 205), black = RGB(0, 0, 0);
    const RECT start = PlaceIn(form->hwnd, form->startButton->hwnd);
    const RECT info = PlaceIn(form->hwnd, form->infoButton->hwnd);
    const RECT letterA = PlaceIn(form->hwnd, form->letterButtons[0]->hwnd);

    EXPECT_EQ(shown.Pixel(start.left + 4, start.top + 4), red);
    EXPECT_EQ(shown.Pixel(start.left, start.top), white) << "outline in the caption's colour";
    EXPECT_GT(shown.CountPixels({start.left + 2, start.top + 2, start.right - 2, start.bottom - 2}, white), 20);
    EXPECT_EQ(shown.Pixel(info.left + 4, info.top + 4), yellow);
    EXPECT_EQ(shown.Pixel(info.left, info.top), black);
    EXPECT_GT(shown.CountPixels({info.left + 2, info.top + 2, info.right - 2, info.bottom - 2}, black), 20);

    EXPECT_EQ(shown.Pixel(letterA.left + 3, letterA.top + 3), yellow);
    EXPECT_EQ(shown.Pixel(letterA.left, letterA.top), RGB(0x69, 0x69, 0x69)) << "disabled outline";
    EXPECT_GT(shown.CountPixels({letterA.left + 1, letterA.top + 1, letterA.right - 1, letterA.bottom - 1},
                                RGB(0x96, 0x96, 0x96)), 5) << "disabled caption";
}

TEST_F(FormMainTest, FormAndScoreCellsAreOlive)
{
    Canvas shown(form->hwnd);
    const COLORREF olive = RGB(190, 189, 127);
    EXPECT_EQ(shown.Pixel(5, 395), olive);
    EXPECT_EQ(shown.Pixel(630, 80), olive);
    const RECT score = PlaceIn(form->hwnd, form->scoreCell->hwnd);
    EXPECT_EQ(shown.Pixel(score.left + 4, score.top + 4), olive);
}

TEST_F(FormMainTest, HangmanShowsTheStripFrameOfItsColumn)
{
    // The strip may be selected into one DC at a time: the frame's paint needs it, so the test reads it
    // only after the paint.
    const auto expectFrame = [&](int column) {
        Canvas shown(form->hwnd);
        const RECT frame = PlaceIn(form->hwnd, form->hangmanFrame->hwnd);
        HDC stripDc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(stripDc, form->stripBitmap);
        int differing = 0;
        for (int y = 0; y < 150; y += 3)
            for (int x = 0; x < 150; x += 3)
                differing += shown.Pixel(frame.left + x, frame.top + y) != GetPixel(stripDc, column * 150 + x, y);
        SelectObject(stripDc, previous);
        DeleteDC(stripDc);
        EXPECT_EQ(differing, 0) << "column " << column;
    };
    expectFrame(0);
    Click(form->startButton);
    expectFrame(6);
    Click(LetterButton(MissingLetter()));
    expectFrame(5);
}
