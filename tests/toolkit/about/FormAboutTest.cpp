#include "resources/resource.h"
#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "support/Win32.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessagePump.h"
#include "tests/gui/ShellOpenRecording.h"
#include "toolkit/about/FormAbout.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CellControl.h"
#include "toolkit/controls/Image.h"
#include "toolkit/controls/Label.h"
#include "toolkit/controls/TextBox.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/MessageLoop.h"
#include "toolkit/core/PanelChildren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

using namespace Kestrum;
using TestSupport::PumpMessages;

namespace {

// What the game's main form writes into its About box.
constexpr int kBannerWidth = 164;
constexpr int kBannerHeight = 50;
const std::string kTitle = "ZelvantoGame 1.1.0.0";
const std::string kNotice = "Copyright (C) Zelvanto";
// Code page 1252: 0xF2 is the o with grave accent.
constexpr char kDescription[] = "Il programma appartiene alla categoria FREEWARE\r\ne ci\xF2 significa che pu\xF2 essere "
                                "copiato e\r\ndistribuito liberamente.";
static_assert(sizeof kDescription - 1 == 115, "the description is 115 bytes");
const std::string kSite = "https://www.example.com";

constexpr COLORREF kBlue = 0x00FF0000;

std::wstring WindowText(HWND window)
{
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

// The window's rectangle in the client coordinates of its parent window.
RECT PlaceInParent(HWND window)
{
    RECT place{};
    GetWindowRect(window, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

LOGFONTW FontOf(HWND window)
{
    LOGFONTW description{};
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (font != nullptr)
        GetObjectW(font, sizeof description, &description);
    return description;
}

LONG StyleOf(HWND window)
{
    return GetWindowLongW(window, GWL_STYLE);
}

LONG ExtendedStyleOf(HWND window)
{
    return GetWindowLongW(window, GWL_EXSTYLE);
}

// The styles handed to CreateWindowExW for the About window, before the system adds its own bits.
struct CreationStyles {
    bool seen = false;
    DWORD style = 0;
    DWORD extendedStyle = 0;
};
CreationStyles aboutCreation;

LRESULT CALLBACK RecordAboutCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const CREATESTRUCTW* creation = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (creation->hwndParent == nullptr && !IS_INTRESOURCE(creation->lpszName) &&
            std::wstring(creation->lpszName) == L"Info...") {
            aboutCreation.seen = true;
            aboutCreation.style = static_cast<DWORD>(creation->style);
            aboutCreation.extendedStyle = creation->dwExStyle;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// A key as the keyboard gives it: down and up to the focused window, turned into WM_CHAR by the pump's
// TranslateMessage as the program's message loop does.
void PressKey(UINT virtualKey)
{
    HWND focused = GetFocus();
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(focused, WM_KEYDOWN, virtualKey, MAKELPARAM(1, scanCode));
    PostMessageW(focused, WM_KEYUP, virtualKey, MAKELPARAM(1, scanCode | KF_REPEAT | KF_UP));
    PumpMessages();
}

void ClickAt(HWND window, int x, int y)
{
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    PumpMessages();
}

// A plain form with one button stands in for the game's main form.
class AboutBox : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = new Form(GetModuleHandleW(nullptr));
        owner->SetSize(400, 300);
        owner->Create();
        ownerButton = new Button(owner, "Info");
        ownerButton->Create();
        PumpMessages();
    }

    void TearDown() override
    {
        delete about;
        delete ownerButton;
        delete owner;
        PumpMessages();
    }

    // Opens the box as the main form does: construct, write the settings, Create, show without
    // activating.
    void Open(const std::string& siteAddress = kSite)
    {
        about = new FormAbout(owner);
        about->bannerResourceId = IDB_ABOUT_BANNER;
        about->bannerWidth = kBannerWidth;
        about->bannerHeight = kBannerHeight;
        about->titleText = kTitle;
        about->noticeText = kNotice;
        about->descriptionText = kDescription;
        about->siteAddress = siteAddress;
        about->Create();
        ShowWindow(about->hwnd, SW_SHOWNA);
        about->visible = true;
        PumpMessages();
    }

    void CloseWithOk()
    {
        SendMessageW(about->okButton->hwnd, BM_CLICK, 0, 0);
        PumpMessages();
    }

    Form* owner = nullptr;
    Button* ownerButton = nullptr;
    FormAbout* about = nullptr;
};

TEST_F(AboutBox, OpensAsACentredToolWindowCaptionedInfo)
{
    aboutCreation = CreationStyles{};
    HHOOK hook = SetWindowsHookExW(WH_CBT, RecordAboutCreation, nullptr, GetCurrentThreadId());
    Open();
    UnhookWindowsHookEx(hook);

    ASSERT_TRUE(aboutCreation.seen);
    EXPECT_EQ(aboutCreation.style, 0x10C80080u);
    // The system adds WS_EX_WINDOWEDGE to every window with a dialog frame before any hook sees it.
    EXPECT_EQ(aboutCreation.extendedStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE), 0x81u);
    EXPECT_EQ(StyleOf(about->hwnd) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(ExtendedStyleOf(about->hwnd) & WS_EX_TOPMOST, 0);

    RECT outer{};
    GetWindowRect(about->hwnd, &outer);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 300);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 600) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 300) / 2);
    EXPECT_EQ(WindowText(about->hwnd), L"Info...");
    EXPECT_TRUE(IsWindowVisible(about->hwnd));
}

TEST_F(AboutBox, ShownAgainAfterHidingItTakesAClientAreaOf600By300)
{
    Open();
    ShowWindow(about->hwnd, SW_HIDE);
    ShowWindow(about->hwnd, SW_SHOW);
    PumpMessages();
    RECT client{};
    GetClientRect(about->hwnd, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 300);
}

TEST_F(AboutBox, ControlsSitInTheirPlacesInCreationOrder)
{
    Open();
    struct Place {
        const char* name;
        GUIElement* control;
        RECT expected;
    };
    const std::vector<Place> places = {
        {"bannerPanel", about->bannerPanel, {10, 10, 10 + 184, 10 + 280}},
        {"titleLabel", about->titleLabel, {209, 10, 209 + 381, 10 + 25}},
        {"noticeLabel", about->noticeLabel, {209, 35, 209 + 381, 35 + 25}},
        {"siteLink", about->siteLink, {209, 55, 209 + 150, 55 + 22}},
        {"mailLink", about->mailLink, {369, 55, 369 + 150, 55 + 22}},
        {"descriptionBox", about->descriptionBox, {209, 85, 209 + 381, 85 + 155}},
        {"okButton", about->okButton, {359, 250, 359 + 80, 250 + 25}},
    };
    int previousId = 0;
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        ASSERT_NE(place.control, nullptr);
        EXPECT_EQ(GetParent(place.control->hwnd), about->hwnd);
        const RECT actual = PlaceInParent(place.control->hwnd);
        EXPECT_EQ(actual.left, place.expected.left);
        EXPECT_EQ(actual.top, place.expected.top);
        EXPECT_EQ(actual.right, place.expected.right);
        EXPECT_EQ(actual.bottom, place.expected.bottom);
        EXPECT_GT(place.control->id, previousId);
        previousId = place.control->id;
        if (place.control == about->bannerPanel)
            previousId = about->bannerImage->id;
    }
}

TEST_F(AboutBox, BannerShowsTheBitmapInsideTheSunkenPanel)
{
    Open();
    HWND banner = about->bannerImage->hwnd;
    ASSERT_EQ(GetParent(banner), about->bannerPanel->hwnd);
    EXPECT_TRUE((StyleOf(about->bannerPanel->hwnd) & WS_BORDER) != 0);
    EXPECT_TRUE((ExtendedStyleOf(about->bannerPanel->hwnd) & WS_EX_CLIENTEDGE) != 0);

    // The static window takes the size of its bitmap (163 pixels wide, one less than the setting).
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(banner, STM_GETIMAGE, IMAGE_BITMAP, 0));
    ASSERT_NE(bitmap, nullptr);
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, 163);
    EXPECT_EQ(size.bmHeight, kBannerHeight);
    const RECT place = PlaceInParent(banner);
    EXPECT_EQ(place.left, 5);
    EXPECT_EQ(place.top, 5);
    EXPECT_EQ(place.right - place.left, size.bmWidth);
    EXPECT_EQ(place.bottom - place.top, kBannerHeight);

    TestSupport::Canvas shown(banner);
    TestSupport::Canvas expected(size.bmWidth, size.bmHeight);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(expected.Dc(), 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    int differing = 0;
    for (int y = 0; y < size.bmHeight; ++y) {
        for (int x = 0; x < size.bmWidth; ++x)
            differing += shown.Pixel(x, y) != expected.Pixel(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(AboutBox, ControlsShowTheSettingsInTheirFonts)
{
    Open();
    EXPECT_EQ(WindowText(about->titleLabel->hwnd), L"ZelvantoGame 1.1.0.0");
    EXPECT_EQ(WindowText(about->noticeLabel->hwnd), WidenText(kNotice));
    EXPECT_EQ(WindowText(about->siteLink->hwnd), L"https://www.example.com");
    EXPECT_EQ(WindowText(about->mailLink->hwnd), L"info@example.com");
    EXPECT_EQ(WindowText(about->descriptionBox->hwnd), WidenText(kDescription));
    EXPECT_EQ(WindowText(about->okButton->hwnd), L"OK");

    const LOGFONTW title = FontOf(about->titleLabel->hwnd);
    EXPECT_STREQ(title.lfFaceName, L"Arial");
    EXPECT_EQ(title.lfHeight, 16);
    EXPECT_EQ(title.lfWeight, FW_BOLD);
    EXPECT_FALSE(title.lfUnderline);
    const LOGFONTW notice = FontOf(about->noticeLabel->hwnd);
    EXPECT_STREQ(notice.lfFaceName, L"Arial");
    EXPECT_EQ(notice.lfHeight, 14);
    EXPECT_EQ(notice.lfWeight, FW_NORMAL);
    EXPECT_EQ(about->noticeLabel->font, about->font);

    for (CellControl* link : {about->siteLink, about->mailLink}) {
        EXPECT_EQ(link->font, about->linkFont);
        EXPECT_EQ(link->textColor, kBlue);
        EXPECT_EQ(link->textAlignment, 0);
    }
    EXPECT_EQ(about->linkFont->faceName, L"Arial");
    EXPECT_EQ(about->linkFont->height, 16);
    EXPECT_TRUE(about->linkFont->underline);
    EXPECT_FALSE(about->linkFont->bold);

    // The description and the button keep the controls' own default font.
    for (GUIElement* control : {static_cast<GUIElement*>(about->descriptionBox), static_cast<GUIElement*>(about->okButton)}) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control->hwnd, WM_GETFONT, 0, 0));
        EXPECT_EQ(control->font, nullptr);
        for (FontDescription* own : {about->font, about->titleFont, about->linkFont})
            EXPECT_NE(font, own->handle);
    }
    EXPECT_EQ(StyleOf(about->okButton->hwnd) & BS_TYPEMASK, BS_PUSHBUTTON);
}

TEST_F(AboutBox, OwnerIsDisabledAndOwnsTheBoxWhileItIsOpen)
{
    Open();
    EXPECT_FALSE(IsWindowEnabled(owner->hwnd));
    EXPECT_FALSE(owner->enabled);
    EXPECT_EQ(owner->ownedForm, about);
    EXPECT_EQ(about->ownerForm, owner);
    EXPECT_TRUE(about->created);
}

TEST_F(AboutBox, OpensWithTheFocusOnOk)
{
    Open();
    EXPECT_EQ(GetFocus(), about->okButton->hwnd);
}

TEST_F(AboutBox, DescriptionIsReadOnlyOnThreeLinesWithAScrollBar)
{
    Open();
    HWND box = about->descriptionBox->hwnd;
    const LONG style = StyleOf(box);
    EXPECT_TRUE((style & ES_MULTILINE) != 0);
    EXPECT_TRUE((style & ES_READONLY) != 0);
    EXPECT_TRUE((style & WS_VSCROLL) != 0);
    EXPECT_EQ(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 3);

    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, 0);
    for (wchar_t typed : {L'x', L'A', L'7', L'\b'})
        SendMessageW(box, WM_CHAR, typed, 1);
    PressKey(VK_DELETE);
    PumpMessages();
    EXPECT_EQ(WindowText(box), WidenText(kDescription));
    EXPECT_EQ(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_TRUE(IsWindow(about->hwnd));
}

TEST_F(AboutBox, OtherCharactersLeaveItOpen)
{
    Open();
    for (HWND target : {about->okButton->hwnd, about->descriptionBox->hwnd, about->hwnd}) {
        for (wchar_t typed : {L'a', L' ', L'q', L'\t', L'\n', L'\b'})
            SendMessageW(target, WM_CHAR, typed, 1);
    }
    PumpMessages();
    EXPECT_TRUE(IsWindow(about->hwnd));
    EXPECT_TRUE(about->created);
    EXPECT_FALSE(IsWindowEnabled(owner->hwnd));
    EXPECT_EQ(owner->ownedForm, about);
}

// Every way of closing the box gives the owner its input back; only the box's own ways (OK, Enter,
// Escape) also clear created.
struct CloseWay {
    const char* name;
    void (*close)(FormAbout& box);
    bool clearsCreated;
};

void PrintTo(const CloseWay& way, std::ostream* out)
{
    *out << way.name;
}

void PressKeyOn(HWND target, UINT virtualKey)
{
    SetFocus(target);
    PressKey(virtualKey);
}

const CloseWay kCloseWays[] = {
    {"OkButton", [](FormAbout& box) { SendMessageW(box.okButton->hwnd, BM_CLICK, 0, 0); }, true},
    {"EnterOnOk", [](FormAbout& box) { PressKeyOn(box.okButton->hwnd, VK_RETURN); }, true},
    {"EscapeOnOk", [](FormAbout& box) { PressKeyOn(box.okButton->hwnd, VK_ESCAPE); }, true},
    {"EnterOnDescription", [](FormAbout& box) { PressKeyOn(box.descriptionBox->hwnd, VK_RETURN); }, true},
    {"EscapeOnDescription", [](FormAbout& box) { PressKeyOn(box.descriptionBox->hwnd, VK_ESCAPE); }, true},
    {"EnterOnForm", [](FormAbout& box) { PressKeyOn(box.hwnd, VK_RETURN); }, true},
    {"EscapeOnForm", [](FormAbout& box) { PressKeyOn(box.hwnd, VK_ESCAPE); }, true},
    {"CloseBox", [](FormAbout& box) { SendMessageW(box.hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
    {"CloseMessage", [](FormAbout& box) { SendMessageW(box.hwnd, WM_CLOSE, 0, 0); }, false},
};

class AboutBoxClosing : public AboutBox, public ::testing::WithParamInterface<CloseWay> {};

TEST_P(AboutBoxClosing, GivesTheOwnerItsInputBack)
{
    Open();
    HWND box = about->hwnd;
    HWND ok = about->okButton->hwnd;
    GetParam().close(*about);
    PumpMessages();

    EXPECT_FALSE(IsWindow(box));
    EXPECT_FALSE(IsWindow(ok));
    EXPECT_TRUE(IsWindowEnabled(owner->hwnd));
    EXPECT_TRUE(owner->enabled);
    EXPECT_EQ(owner->ownedForm, nullptr);
    EXPECT_EQ(about->created, !GetParam().clearsCreated);
}

INSTANTIATE_TEST_SUITE_P(Ways, AboutBoxClosing, ::testing::ValuesIn(kCloseWays),
                         [](const ::testing::TestParamInfo<CloseWay>& info) { return std::string(info.param.name); });

TEST_F(AboutBox, LinksShowAHandOverTheirClientArea)
{
    Open();
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (CellControl* link : {about->siteLink, about->mailLink}) {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        EXPECT_EQ(SendMessageW(link->hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(link->hwnd),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), hand);
    }
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(about->titleLabel->hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(about->titleLabel->hwnd),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), hand);
}

TEST_F(AboutBox, LinksAreBlueUnderlinedAndLeftAligned)
{
    Open();
    for (CellControl* link : {about->siteLink, about->mailLink}) {
        SCOPED_TRACE(NarrowText(WindowText(link->hwnd)));
        InvalidateRect(link->hwnd, nullptr, TRUE);
        TestSupport::Canvas shown(link->hwnd);
        const COLORREF background = GetSysColor(COLOR_BTNFACE);
        const RECT ink = shown.InkBounds(background);
        ASSERT_FALSE(TestSupport::IsEmpty(ink));
        EXPECT_LE(ink.left, 2);
        EXPECT_GT(shown.CountPixels(ink, kBlue), 0);
        // Nothing but the link's blue and the background, give or take the edges of smoothed glyphs.
        int blueishRows = 0;
        for (int y = ink.top; y < ink.bottom; ++y) {
            const RECT row{ink.left, y, ink.right, y + 1};
            if (shown.CountPixels(row, kBlue) * 10 >= (ink.right - ink.left) * 9)
                ++blueishRows;
        }
        EXPECT_GE(blueishRows, 1) << "no underline";
    }
    // The shorter mail address ends well before the cell's right edge, so it is not centred.
    TestSupport::Canvas mail(about->mailLink->hwnd);
    const RECT mailInk = mail.InkBounds(GetSysColor(COLOR_BTNFACE));
    EXPECT_LT(mailInk.right, 150 - 10);
}

TEST(AboutContactAddress, ReplacesTheSitePrefixByTheMailbox)
{
    struct Case {
        std::string site;
        std::string contact;
    };
    const std::vector<Case> cases = {
        {"https://www.example.com", "info@example.com"},
        {"https://www.example.com/pagina", "info@example.com/pagina"},
        {"http://example.org", "http://example.org"},
        {"www.example.com", "www.example.com"},
        {"", ""},
    };
    for (const Case& item : cases)
        EXPECT_EQ(FormAbout::ContactAddress(item.site), item.contact) << item.site;
}

TEST_F(AboutBox, AddressWithoutTheSitePrefixIsShownUnchangedOnBothLinks)
{
    Open("http://example.org/zelvanto");
    EXPECT_EQ(WindowText(about->siteLink->hwnd), L"http://example.org/zelvanto");
    EXPECT_EQ(WindowText(about->mailLink->hwnd), L"http://example.org/zelvanto");
}

TEST_F(AboutBox, ClickingTheLinksAsksTheShellToOpenThem)
{
    TestSupport::ShellOpenRecording recording;
    if (!recording.IsReady())
        GTEST_SKIP() << recording.Problem();
    Open();
    // Presses on anything but the two links open nothing.
    about->OnChildLeftButtonDown(about->okButton, 5, 5);
    about->OnChildLeftButtonDown(nullptr, 5, 5);
    ClickAt(about->siteLink->hwnd, 5, 5);
    ASSERT_EQ(recording.WaitForAddresses(1).size(), 1u);
    ClickAt(about->mailLink->hwnd, 5, 5);
    const std::vector<std::wstring> opened = recording.WaitForAddresses(2);
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://www.example.com", L"mailto:info@example.com"}));
    EXPECT_TRUE(IsWindow(about->hwnd));
}

TEST_F(AboutBox, MailLinkOfAnUnprefixedAddressOpensWhatItShows)
{
    TestSupport::ShellOpenRecording recording;
    if (!recording.IsReady())
        GTEST_SKIP() << recording.Problem();
    Open("http://example.org/zelvanto");
    ClickAt(about->mailLink->hwnd, 5, 5);
    ClickAt(about->siteLink->hwnd, 5, 5);
    const std::vector<std::wstring> opened = recording.WaitForAddresses(2);
    EXPECT_EQ(opened,
              (std::vector<std::wstring>{L"mailto:http://example.org/zelvanto", L"http://example.org/zelvanto"}));
}

TEST_F(AboutBox, DeletingItReleasesItsFontsAndControls)
{
    // A first box lets the system make whatever it keeps for the rest of the run (caption fonts,
    // scroll bar pictures), so that the count compares like with like.
    Open();
    CloseWithOk();
    delete about;
    about = nullptr;
    PumpMessages();

    const int room = TestSupport::GdiObjectRoom();
    Open();
    UpdateWindow(about->siteLink->hwnd);
    UpdateWindow(about->mailLink->hwnd);
    ASSERT_NE(about->font->handle, nullptr);
    ASSERT_NE(about->titleFont->handle, nullptr);
    ASSERT_NE(about->linkFont->handle, nullptr);
    ASSERT_NE(about->bannerImage->picture, nullptr);
    CloseWithOk();
    delete about;
    about = nullptr;
    PumpMessages();
    // The box's window class goes too, with the copy of its icons that Wine keeps for every class.
    EXPECT_EQ(TestSupport::GdiObjectRoom(), room);
}

TEST_F(AboutBox, DeletingAnUnopenedBoxReleasesItsFontsAndTheOwner)
{
    const int room = TestSupport::GdiObjectRoom();
    about = new FormAbout(owner);
    EXPECT_FALSE(IsWindowEnabled(owner->hwnd));
    delete about;
    about = nullptr;
    EXPECT_EQ(TestSupport::GdiObjectRoom(), room);
    EXPECT_TRUE(IsWindowEnabled(owner->hwnd));
    EXPECT_EQ(owner->ownedForm, nullptr);
}

TEST_F(AboutBox, DeletingAnOpenBoxClosesItFirst)
{
    Open();
    std::vector<HWND> windows = {about->hwnd};
    for (GUIElement* control : std::vector<GUIElement*>{about->bannerPanel, about->bannerImage, about->titleLabel,
                                                       about->noticeLabel, about->siteLink, about->mailLink,
                                                       about->descriptionBox, about->okButton})
        windows.push_back(control->hwnd);
    const std::size_t elementsOpen = allElements.size();

    delete about;
    about = nullptr;
    PumpMessages();

    for (HWND window : windows)
        EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(allElements.size(), elementsOpen - 9);
    EXPECT_TRUE(IsWindowEnabled(owner->hwnd));
    EXPECT_EQ(owner->ownedForm, nullptr);
}

TEST_F(AboutBox, ParkedBoxIsDeletedWhenTheMessageLoopEnds)
{
    Open();
    CloseWithOk();
    FormAbout* parked = about;
    about = nullptr;
    disposeList.push_back(parked);

    PostQuitMessage(0);
    RunMessageLoop(nullptr);

    EXPECT_TRUE(disposeList.empty());
    EXPECT_EQ(std::find(allElements.begin(), allElements.end(), parked), allElements.end());
}

}  // namespace
