#include "toolkit/controls/TextBox.h"

#include "support/FontDescription.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/controls/ControlsTestSupport.h"
#include "toolkit/core/WindowProcedure.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace {

using Kestrum::TextBox;

constexpr DWORD kBase = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kMultiline = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
// What a box with the default flags gets: a bordered single line that scrolls sideways.
constexpr DWORD kDefault = kBase | WS_BORDER | ES_AUTOHSCROLL;

DWORD StyleOf(HWND window)
{
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
}

void Type(HWND window, const std::wstring& characters)
{
    for (wchar_t character : characters)
        SendMessageW(window, WM_CHAR, character, 1);
}

// ---- ComputeStyle ----

struct StyleCase {
    const char* name;
    std::function<void(TextBox&)> configure;
    DWORD style;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const StyleCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class TextBoxComputeStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(TextBoxComputeStyle, FollowsTheFlags)
{
    TextBox box(nullptr, "");
    GetParam().configure(box);

    EXPECT_EQ(box.ComputeStyle(), GetParam().style) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Flags, TextBoxComputeStyle,
    ::testing::Values(
        StyleCase{"Defaults", [](TextBox&) {}, kDefault},
        StyleCase{"NoBorder", [](TextBox& b) { b.border = false; }, kBase | ES_AUTOHSCROLL},
        StyleCase{"Disabled", [](TextBox& b) { b.enabled = false; }, kDefault | WS_DISABLED},
        StyleCase{"ScrollBars",
                  [](TextBox& b) {
                      b.horizontalScroll = true;
                      b.verticalScroll = true;
                  },
                  kDefault | WS_HSCROLL | WS_VSCROLL},
        StyleCase{"NumbersOnly", [](TextBox& b) { b.numbersOnly = true; }, kDefault | ES_NUMBER},
        StyleCase{"MultiLine", [](TextBox& b) { b.multiline = true; }, kDefault | kMultiline},
        StyleCase{"MultiLineWrapping",
                  [](TextBox& b) {
                      b.multiline = true;
                      b.wordWrap = true;
                  },
                  kBase | WS_BORDER | kMultiline},
        StyleCase{"WrappingNeedsMultiLine", [](TextBox& b) { b.wordWrap = true; }, kDefault},
        StyleCase{"ReadOnly", [](TextBox& b) { b.readOnly = true; }, kDefault | ES_READONLY},
        StyleCase{"LowerCase", [](TextBox& b) { b.lowerCase = true; }, kDefault | ES_LOWERCASE},
        StyleCase{"UpperCase", [](TextBox& b) { b.upperCase = true; }, kDefault | ES_UPPERCASE},
        StyleCase{"UpperWinsOverLower",
                  [](TextBox& b) {
                      b.upperCase = true;
                      b.lowerCase = true;
                  },
                  kDefault | ES_UPPERCASE},
        StyleCase{"Right", [](TextBox& b) { b.alignRight = true; }, kDefault | ES_RIGHT},
        StyleCase{"Centre", [](TextBox& b) { b.alignCenter = true; }, kDefault | ES_CENTER},
        StyleCase{"RightWinsOverCentre",
                  [](TextBox& b) {
                      b.alignRight = true;
                      b.alignCenter = true;
                  },
                  kDefault | ES_RIGHT},
        StyleCase{"PasswordIsNoStyle", [](TextBox& b) { b.password = true; }, kDefault},
        StyleCase{"AboutBoxDescription",
                  [](TextBox& b) {
                      b.multiline = true;
                      b.readOnly = true;
                      b.verticalScroll = true;
                  },
                  kDefault | WS_VSCROLL | kMultiline | ES_READONLY}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The live control ----

class TextBoxTest : public ControlsTest::FormHost {
protected:
    void SetUp() override
    {
        FormHost::SetUp();
        box = std::make_unique<TextBox>(form.get(), "Citt\xE0");
        box->x = 20;
        box->y = 20;
        box->width = 200;
    }

    void TearDown() override
    {
        FormHost::TearDown();
        box.reset();
    }

    void ShowBox() { ShowForm({box.get()}); }

    std::unique_ptr<TextBox> box;
};

TEST_F(TextBoxTest, ConstructionOnlyStoresWidenedText)
{
    EXPECT_EQ(box->text, L"Citt\u00E0");
    EXPECT_EQ(box->typeName, "textbox");
    EXPECT_EQ(box->height, 30);
    EXPECT_EQ(box->maxLength, -1);
    EXPECT_TRUE(box->border);
    EXPECT_EQ(box->hwnd, nullptr);
}

TEST_F(TextBoxTest, CreatesASubclassedEditWithItsStyleTextAndFont)
{
    Kestrum::FontDescription font("Arial", 14);
    box->font = &font;
    ShowBox();

    wchar_t className[16] = {};
    GetClassNameW(box->hwnd, className, 16);
    EXPECT_STREQ(className, L"Edit");
    EXPECT_EQ(GetDlgCtrlID(box->hwnd), box->id);
    EXPECT_EQ(GetParent(box->hwnd), form->hwnd);
    EXPECT_EQ(StyleOf(box->hwnd) & box->ComputeStyle(), box->ComputeStyle());
    EXPECT_EQ(GetWindowLongPtrW(box->hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(box->GetText(), L"Citt\u00E0");
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(box->hwnd, GWLP_WNDPROC)), Kestrum::ElementWndProc);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(box->hwnd, WM_GETFONT, 0, 0)), font.handle);
}

TEST_F(TextBoxTest, WithoutBorderHasNoClientEdge)
{
    box->border = false;
    ShowBox();

    EXPECT_EQ(StyleOf(box->hwnd) & WS_BORDER, 0u);
    EXPECT_EQ(GetWindowLongPtrW(box->hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(TextBoxTest, TypingReachesTheKeyPressEventFirst)
{
    box->keyPressCallback = [](Kestrum::GUIElement*, int character) { return character != 'x'; };
    ShowBox();
    box->SetText(std::string(""));

    Type(box->hwnd, L"axb");

    EXPECT_EQ(box->GetText(), L"ab");
}

TEST_F(TextBoxTest, MaxLengthLimitsTyping)
{
    box->maxLength = 3;
    ShowBox();
    box->SetText(std::string(""));

    Type(box->hwnd, L"abcde");

    EXPECT_EQ(box->GetText(), L"abc");
    EXPECT_EQ(SendMessageW(box->hwnd, EM_GETLIMITTEXT, 0, 0), 3);
}

TEST_F(TextBoxTest, MaxLengthZeroIsSentAsIsAndMeansTheLargestLimit)
{
    TextBox unlimited(form.get(), "");
    box->maxLength = 0;
    ShowForm({box.get(), &unlimited});
    box->SetText(std::string(""));

    Type(box->hwnd, L"abc");

    EXPECT_EQ(box->GetText(), L"abc");
    EXPECT_GT(SendMessageW(box->hwnd, EM_GETLIMITTEXT, 0, 0), SendMessageW(unlimited.hwnd, EM_GETLIMITTEXT, 0, 0))
        << "0 lifts the limit above the default that a box without maxLength keeps";
}

TEST_F(TextBoxTest, UpperCaseWinsOverLowerCaseWhenTyping)
{
    box->upperCase = true;
    box->lowerCase = true;
    ShowBox();
    box->SetText(std::string(""));

    Type(box->hwnd, L"aB");

    EXPECT_EQ(box->GetText(), L"AB");
}

TEST_F(TextBoxTest, NumbersOnlyRefusesLetters)
{
    box->numbersOnly = true;
    ShowBox();
    box->SetText(std::string(""));

    Type(box->hwnd, L"1a2");

    EXPECT_EQ(box->GetText(), L"12");
}

TEST_F(TextBoxTest, MultiLineWrapsOnlyWithWordWrap)
{
    TextBox wrapping(form.get(), "");
    for (TextBox* each : {box.get(), &wrapping}) {
        each->multiline = true;
        each->width = 120;
        each->height = 100;
    }
    wrapping.y = 120;
    wrapping.wordWrap = true;
    ShowForm({box.get(), &wrapping});
    const std::string longLine = "una riga lunga che non sta nella larghezza della casella di testo";

    box->SetText(longLine);
    wrapping.SetText(longLine);

    EXPECT_EQ(SendMessageW(box->hwnd, EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_GT(SendMessageW(wrapping.hwnd, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(TextBoxTest, ApplyStyleBeforeCreateChangesNothing)
{
    box->readOnly = true;
    box->password = true;
    const int idBefore = Kestrum::nextControlId;

    box->ApplyStyle();

    EXPECT_FALSE(box->created);
    EXPECT_EQ(box->hwnd, nullptr);
    EXPECT_EQ(Kestrum::nextControlId, idBefore);
    ShowBox();
    EXPECT_NE(StyleOf(box->hwnd) & ES_READONLY, 0u) << "Create takes the flags";
}

TEST_F(TextBoxTest, ApplyStyleUpdatesTheStyleAndTheReadOnlyState)
{
    ShowBox();
    box->SetText(std::string(""));

    box->readOnly = true;
    box->verticalScroll = true;
    box->alignRight = true;
    box->ApplyStyle();

    EXPECT_EQ(StyleOf(box->hwnd) & box->ComputeStyle(), box->ComputeStyle());
    Type(box->hwnd, L"ab");
    EXPECT_EQ(box->GetText(), L"") << "read-only refuses typing";

    box->readOnly = false;
    box->ApplyStyle();
    EXPECT_EQ(StyleOf(box->hwnd) & ES_READONLY, 0u);
    Type(box->hwnd, L"ab");
    EXPECT_EQ(box->GetText(), L"ab");
}

TEST_F(TextBoxTest, PasswordMasksFromCreationAndApplyStyleTurnsItOnAndOff)
{
    box->password = true;
    ShowBox();
    EXPECT_EQ(SendMessageW(box->hwnd, EM_GETPASSWORDCHAR, 0, 0), L'*');

    box->password = false;
    box->ApplyStyle();
    EXPECT_EQ(SendMessageW(box->hwnd, EM_GETPASSWORDCHAR, 0, 0), 0);

    box->password = true;
    box->ApplyStyle();
    EXPECT_EQ(SendMessageW(box->hwnd, EM_GETPASSWORDCHAR, 0, 0), L'*');
}

TEST_F(TextBoxTest, WithoutPasswordShowsTheText)
{
    ShowBox();

    EXPECT_EQ(SendMessageW(box->hwnd, EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(TextBoxTest, WithoutAParentWindowCountsAsCreatedAndApplyStyleStops)
{
    box->Create();
    EXPECT_TRUE(box->created);
    EXPECT_EQ(box->hwnd, nullptr);

    box->readOnly = true;
    box->ApplyStyle();
    EXPECT_EQ(box->hwnd, nullptr);
}

}  // namespace
