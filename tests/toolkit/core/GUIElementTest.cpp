#include "support/Win32.h"
#include "tests/gui/Canvas.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Button.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace Kestrum;

namespace {

std::vector<std::string> events;

void RecordCreated(GUIElement*, HWND)
{
    events.push_back("created");
}

void RecordLostFocus(GUIElement*)
{
    events.push_back("lostFocus");
}

void RecordTextChanged(GUIElement*)
{
    events.push_back("textChanged");
}

void RecordDestroyed(GUIElement* sender)
{
    events.push_back(sender->destroyed ? "destroyed after flag" : "destroyed before flag");
}

void RecordMoved(GUIElement*)
{
    events.push_back("moved");
}

class GUIElementOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        events.clear();
        form = std::make_unique<Form>(GetModuleHandleW(nullptr));
        form->SetText(std::wstring(L"Host"));
        form->Create();
    }

    void TearDown() override
    {
        form.reset();
        TestSupport::PumpMessages();
    }

    std::unique_ptr<Form> form;
};

}  // namespace

TEST(GUIElement, NewElementHasDefaultsAndIsRegisteredLast)
{
    CoreTest::PlainElement first;
    CoreTest::PlainElement element;

    EXPECT_EQ(element.x, 100);
    EXPECT_EQ(element.y, 100);
    EXPECT_EQ(element.width, 100);
    EXPECT_EQ(element.height, 50);
    EXPECT_TRUE(element.enabled);
    EXPECT_TRUE(element.visible);
    EXPECT_FALSE(element.created);
    EXPECT_FALSE(element.destroyed);
    EXPECT_EQ(element.backColor, 0xFFFFFFFFu);
    EXPECT_TRUE(element.text.empty());
    EXPECT_TRUE(element.typeName.empty());
    EXPECT_EQ(element.hwnd, nullptr);
    EXPECT_EQ(element.parent, nullptr);
    ASSERT_EQ(allElements.size(), 2u);
    EXPECT_EQ(allElements.back(), &element);
}

TEST(GUIElement, QuestionsAnswerTrueWithoutCallback)
{
    CoreTest::PlainElement element;

    EXPECT_TRUE(element.OnKeyPress('a'));
    EXPECT_TRUE(element.OnClosing());

    element.keyPressCallback = [](GUIElement*, int character) { return character != 'a'; };
    element.closingCallback = [](GUIElement*) { return false; };
    EXPECT_FALSE(element.OnKeyPress('a'));
    EXPECT_TRUE(element.OnKeyPress('b'));
    EXPECT_FALSE(element.OnClosing());
}

TEST(GUIElement, OnCreatedRaisesOnceAndKeepsTheFirstHandle)
{
    events.clear();
    CoreTest::PlainElement element;
    element.createdCallback = RecordCreated;
    HWND first = reinterpret_cast<HWND>(0x1234);
    HWND second = reinterpret_cast<HWND>(0x5678);

    element.OnCreated(first);
    element.OnCreated(second);

    EXPECT_EQ(events, std::vector<std::string>{"created"});
    EXPECT_EQ(element.hwnd, first);
    EXPECT_TRUE(element.createdRaised);
}

TEST(GUIElement, SettersBeforeCreateOnlyStore)
{
    CoreTest::PlainElement element;

    element.SetText(std::string("caff\xE8"));
    element.SetSize(120, 40);
    element.SetEnabled(false);
    element.SetBackColor(RGB(1, 2, 3));

    EXPECT_EQ(element.text, L"caff\u00E8");
    EXPECT_EQ(element.width, 120);
    EXPECT_EQ(element.height, 40);
    EXPECT_FALSE(element.enabled);
    EXPECT_EQ(element.backColor, RGB(1, 2, 3));
    EXPECT_FALSE(element.backColorSet);
    EXPECT_EQ(element.GetText(), L"caff\u00E8");
}

TEST_F(GUIElementOnForm, CreateUsesValuesSetBefore)
{
    Button button(form.get(), "");
    button.SetText(std::wstring(L"Before"));
    button.SetSize(123, 45);
    button.SetEnabled(false);

    button.Create();

    wchar_t caption[32] = {};
    GetWindowTextW(button.hwnd, caption, 32);
    EXPECT_STREQ(caption, L"Before");
    RECT outer{};
    GetWindowRect(button.hwnd, &outer);
    EXPECT_EQ(outer.right - outer.left, 123);
    EXPECT_EQ(outer.bottom - outer.top, 45);
    EXPECT_FALSE(IsWindowEnabled(button.hwnd));
}

TEST_F(GUIElementOnForm, SettersAfterCreateApplyToTheWindow)
{
    Button button(form.get(), "Start");
    button.Create();

    button.SetText(std::string("N\xB0 1"));
    button.SetSize(90, 33);
    button.SetEnabled(false);

    wchar_t caption[32] = {};
    GetWindowTextW(button.hwnd, caption, 32);
    EXPECT_STREQ(caption, L"N\u00B0 1");
    RECT outer{};
    GetWindowRect(button.hwnd, &outer);
    EXPECT_EQ(outer.right - outer.left, 90);
    EXPECT_EQ(outer.bottom - outer.top, 33);
    EXPECT_FALSE(IsWindowEnabled(button.hwnd));
    button.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(button.hwnd));
}

TEST_F(GUIElementOnForm, BackColorSetAfterCreateStaysPainted)
{
    const COLORREF color = RGB(0x33, 0x66, 0xCC);

    form->SetBackColor(color);
    InvalidateRect(form->hwnd, nullptr, TRUE);
    TestSupport::Canvas canvas(form->hwnd);

    EXPECT_TRUE(form->backColorSet);
    EXPECT_TRUE(canvas.IsUniform(RECT{0, 0, canvas.Width(), canvas.Height()}, color));
}

TEST_F(GUIElementOnForm, GetTextOfAnEmptyWindowTextIsEmptyAndClearsText)
{
    CoreTest::EditElement edit(form.get());
    edit.Create();
    edit.text = L"stale";
    SetWindowTextW(edit.hwnd, L"");

    EXPECT_EQ(edit.GetText(), L"");
    EXPECT_TRUE(edit.text.empty());
}

TEST_F(GUIElementOnForm, GetTextReadsTheWindowText)
{
    CoreTest::EditElement edit(form.get());
    edit.Create();
    SetWindowTextW(edit.hwnd, L"citt\u00E0");

    EXPECT_EQ(edit.GetText(), L"citt\u00E0");
    EXPECT_EQ(edit.text, L"citt\u00E0");
    EXPECT_EQ(edit.GetNarrowText(), "citt\xE0");
}

TEST_F(GUIElementOnForm, TextChangeIsReportedOnlyWhenTheTextDiffersOnLosingFocus)
{
    struct Case {
        const wchar_t* typed;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {nullptr, {"lostFocus"}},
        {L"start", {"lostFocus"}},
        {L"other", {"lostFocus", "textChanged"}},
        {L"", {"lostFocus", "textChanged"}},
    };
    CoreTest::EditElement edit(form.get());
    edit.text = L"start";
    edit.Create();
    CoreTest::EditElement other(form.get());
    other.y = 200;
    other.Create();
    edit.lostFocusCallback = RecordLostFocus;
    edit.textChangedCallback = RecordTextChanged;

    for (const Case& c : cases) {
        SetWindowTextW(edit.hwnd, L"start");
        events.clear();
        SetFocus(edit.hwnd);
        ASSERT_EQ(edit.focusText, L"start");
        if (c.typed != nullptr)
            SetWindowTextW(edit.hwnd, c.typed);
        SetFocus(other.hwnd);
        EXPECT_EQ(events, c.expected) << (c.typed != nullptr ? "typed" : "nothing typed");
    }
}

TEST_F(GUIElementOnForm, MoveRefreshesThePositionInParentCoordinates)
{
    CoreTest::EditElement edit(form.get());
    edit.Create();
    edit.movedCallback = RecordMoved;

    SetWindowPos(edit.hwnd, nullptr, 17, 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

    EXPECT_EQ(events, std::vector<std::string>{"moved"});
    EXPECT_EQ(edit.x, 17);
    EXPECT_EQ(edit.y, 23);
    POINT position = edit.GetPosition();
    EXPECT_EQ(position.x, 17);
    EXPECT_EQ(position.y, 23);
}

TEST_F(GUIElementOnForm, GetSizeReadsTheOuterWindowSize)
{
    CoreTest::EditElement edit(form.get());
    edit.Create();
    SetWindowPos(edit.hwnd, nullptr, 0, 0, 77, 21, SWP_NOMOVE | SWP_NOZORDER);

    SIZE size = edit.GetSize();

    EXPECT_EQ(size.cx, 77);
    EXPECT_EQ(size.cy, 21);
    EXPECT_EQ(edit.width, 77);
    EXPECT_EQ(edit.height, 21);
}

TEST_F(GUIElementOnForm, DestroyedIsSetAfterTheCallback)
{
    CoreTest::EditElement edit(form.get());
    edit.Create();
    edit.destroyedCallback = RecordDestroyed;

    DestroyWindow(edit.hwnd);

    EXPECT_EQ(events, std::vector<std::string>{"destroyed before flag"});
    EXPECT_TRUE(edit.destroyed);
    EXPECT_TRUE(edit.created);
    EXPECT_NE(edit.hwnd, nullptr);
}
