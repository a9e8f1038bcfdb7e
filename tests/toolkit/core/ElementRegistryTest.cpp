#include "support/Win32.h"
#include "tests/gui/MessagePump.h"
#include "tests/toolkit/core/TestElements.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"
#include "toolkit/core/WindowProcedure.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace Kestrum;

namespace {

HWND FakeWindow(INT_PTR value)
{
    return reinterpret_cast<HWND>(value);
}

bool Contains(const std::vector<GUIElement*>& list, const GUIElement* element)
{
    return std::find(list.begin(), list.end(), element) != list.end();
}

WNDPROC outerProcedure = nullptr;

LRESULT CALLBACK ForwardingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(outerProcedure, window, message, wParam, lParam);
}

class ElementRegistryOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<Form>(GetModuleHandleW(nullptr));
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

TEST(ElementRegistry, FindElementByWindowFindsTheFirstOwner)
{
    CoreTest::PlainElement first;
    CoreTest::PlainElement second;
    CoreTest::PlainElement third;
    first.hwnd = FakeWindow(0x100);
    second.hwnd = FakeWindow(0x200);
    third.hwnd = FakeWindow(0x200);

    EXPECT_EQ(FindElementByWindow(FakeWindow(0x100)), &first);
    EXPECT_EQ(FindElementByWindow(FakeWindow(0x200)), &second);
}

TEST(ElementRegistry, UnknownWindowFallsBackOnlyToALastElementWithoutWindow)
{
    CoreTest::PlainElement created;
    created.hwnd = FakeWindow(0x100);
    EXPECT_EQ(FindElementByWindow(FakeWindow(0x999)), nullptr);

    CoreTest::PlainElement beingCreated;
    EXPECT_EQ(FindElementByWindow(FakeWindow(0x999)), &beingCreated);

    beingCreated.hwnd = FakeWindow(0x300);
    EXPECT_EQ(FindElementByWindow(FakeWindow(0x999)), nullptr);
}

TEST(ElementRegistry, UnknownWindowFindsNothingInAnEmptyRegistry)
{
    EXPECT_EQ(FindElementByWindow(FakeWindow(0x999)), nullptr);
}

TEST(ElementRegistry, FindMenuItemByIdSkipsElementsThatAreNotMenuItems)
{
    CoreTest::PlainElement impostor;
    MenuBar bar(nullptr);
    Menu menu(&bar, "&File");
    SubMenu item(&menu, "&Esci");
    impostor.id = item.id;

    EXPECT_EQ(FindElementById(item.id), &impostor);
    EXPECT_EQ(FindMenuItemById(item.id), &item);
    EXPECT_EQ(FindMenuItemById(item.id + 1), nullptr);
}

TEST(ElementRegistry, DeletedElementsAreNotFound)
{
    auto* item = new SubMenu(nullptr, "&Guida");
    auto* element = new CoreTest::PlainElement();
    element->hwnd = FakeWindow(0x100);
    element->id = 77;
    disposeList.push_back(element);
    disposeList.push_back(item);
    const int itemId = item->id;
    CoreTest::PlainElement last;
    last.hwnd = FakeWindow(0x500);

    delete element;
    delete item;

    EXPECT_EQ(FindElementByWindow(FakeWindow(0x100)), nullptr);
    EXPECT_EQ(FindElementById(77), nullptr);
    EXPECT_EQ(FindElementById(itemId), nullptr);
    EXPECT_EQ(FindMenuItemById(itemId), nullptr);
    EXPECT_FALSE(Contains(allElements, element));
    EXPECT_FALSE(Contains(allElements, item));
    EXPECT_TRUE(disposeList.empty());
}

TEST_F(ElementRegistryOnForm, DeletedControlGetsItsOwnProcedureBackAndKeepsWorking)
{
    auto* edit = new CoreTest::EditElement(form.get());
    edit->Create();
    HWND window = edit->hwnd;
    WNDPROC own = edit->savedWndProc;
    edit->keyPressCallback = [](GUIElement*, int) { return false; };

    delete edit;

    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), own);
    EXPECT_EQ(FindElementByWindow(window), nullptr);
    SendMessageW(window, WM_CHAR, L'a', 1);
    wchar_t text[8] = {};
    GetWindowTextW(window, text, 8);
    EXPECT_STREQ(text, L"a");
}

TEST_F(ElementRegistryOnForm, ProcedureInstalledByOthersIsLeftAlone)
{
    auto* edit = new CoreTest::EditElement(form.get());
    edit->Create();
    HWND window = edit->hwnd;
    outerProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingProcedure)));
    ASSERT_EQ(outerProcedure, ElementWndProc);

    delete edit;

    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)), ForwardingProcedure);
}
