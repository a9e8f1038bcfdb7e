#include "support/Win32.h"
#include "tests/gui/MessagePump.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/controls/MenuBar.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace Kestrum;

namespace {

std::wstring MenuText(HMENU menu, int position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

UINT StateAt(HMENU menu, int position)
{
    return GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
}

class MenuOnForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<Form>(GetModuleHandleW(nullptr));
        form->width = 300;
        form->height = 200;
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

TEST_F(MenuOnForm, MainFormTreeIsBuiltIntoTheFormsMenuBar)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    Menu help(&bar, "&?");
    SubMenu guide(&help, "&Guida");
    SubMenu home(&help, "&Home");

    bar.Create();

    HMENU barMenu = GetMenu(form->hwnd);
    ASSERT_NE(barMenu, nullptr);
    EXPECT_EQ(barMenu, bar.menuHandle);
    EXPECT_EQ(reinterpret_cast<HMENU>(bar.hwnd), bar.menuHandle);
    ASSERT_EQ(GetMenuItemCount(barMenu), 2);
    EXPECT_EQ(MenuText(barMenu, 0), L"&File");
    EXPECT_EQ(MenuText(barMenu, 1), L"&?");
    HMENU fileMenu = GetSubMenu(barMenu, 0);
    EXPECT_EQ(fileMenu, file.menuHandle);
    ASSERT_EQ(GetMenuItemCount(fileMenu), 1);
    EXPECT_EQ(MenuText(fileMenu, 0), L"&Esci");
    EXPECT_EQ(GetMenuItemID(fileMenu, 0), static_cast<UINT>(exit.id));
    HMENU helpMenu = GetSubMenu(barMenu, 1);
    EXPECT_EQ(helpMenu, help.menuHandle);
    ASSERT_EQ(GetMenuItemCount(helpMenu), 2);
    EXPECT_EQ(MenuText(helpMenu, 0), L"&Guida");
    EXPECT_EQ(MenuText(helpMenu, 1), L"&Home");
    EXPECT_EQ(GetMenuItemID(helpMenu, 0), static_cast<UINT>(guide.id));
    EXPECT_EQ(GetMenuItemID(helpMenu, 1), static_cast<UINT>(home.id));
    EXPECT_EQ(exit.hwnd, nullptr);
    EXPECT_TRUE(bar.created && file.created && help.created && exit.created && guide.created && home.created);
}

TEST(MenuTree, ConstructorsLinkTheTree)
{
    Form form(nullptr);
    MenuBar bar(&form);
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    SubMenu nested(&exit, "&Sotto");

    EXPECT_EQ(bar.parent, &form);
    EXPECT_EQ(bar.items, std::vector<GUIElement*>{&file});
    EXPECT_EQ(file.items, std::vector<GUIElement*>{&exit});
    EXPECT_EQ(exit.items, std::vector<GUIElement*>{&nested});
    EXPECT_EQ(file.text, L"&File");
    EXPECT_EQ(bar.typeName, "menubar");
    EXPECT_EQ(file.typeName, "menu");
    EXPECT_EQ(exit.typeName, "submenu");
    EXPECT_EQ(exit.itemFlags, static_cast<UINT>(MF_STRING));
    EXPECT_FALSE(exit.checkable);
    EXPECT_FALSE(exit.checked);
}

TEST(MenuTree, ItemsTakeTheirIdsWhenConstructedAndControlsWhenCreated)
{
    Form form(GetModuleHandleW(nullptr));
    form.Create();
    Button button(&form, "Ok");
    MenuBar bar(&form);
    Menu file(&bar, "&File");
    SubMenu first(&file, "&Uno");
    SubMenu second(&file, "&Due");

    button.Create();

    EXPECT_EQ(form.id, 1);
    EXPECT_EQ(first.id, 2);
    EXPECT_EQ(second.id, 3);
    EXPECT_EQ(button.id, 4);
    EXPECT_EQ(bar.id, 0);
    EXPECT_EQ(file.id, 0);
}

TEST(MenuTree, BarOfAFormWithoutWindowIsNotCreated)
{
    Form form(GetModuleHandleW(nullptr));
    MenuBar bar(&form);
    Menu file(&bar, "&File");

    bar.Create();

    EXPECT_FALSE(bar.created);
    EXPECT_EQ(bar.menuHandle, nullptr);
    EXPECT_FALSE(file.created);
}

TEST_F(MenuOnForm, SecondCreateOfTheBarDoesNothing)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    bar.Create();
    HMENU first = bar.menuHandle;

    bar.Create();

    EXPECT_EQ(bar.menuHandle, first);
    EXPECT_EQ(GetMenu(form->hwnd), first);
    EXPECT_EQ(GetMenuItemCount(first), 1);
    EXPECT_EQ(GetMenuItemCount(file.menuHandle), 1);
}

TEST_F(MenuOnForm, MenuUnderAMenuIsListedButNeverCreated)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    Menu inner(&file, "&Dentro");
    SubMenu exit(&file, "&Esci");

    bar.Create();

    EXPECT_EQ(file.items, (std::vector<GUIElement*>{&inner, &exit}));
    EXPECT_FALSE(inner.created);
    EXPECT_EQ(inner.menuHandle, nullptr);
    ASSERT_EQ(GetMenuItemCount(file.menuHandle), 1);
    EXPECT_EQ(MenuText(file.menuHandle, 0), L"&Esci");
}

TEST_F(MenuOnForm, ElementsAddedAfterCreateAreCreatedAtOnce)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    bar.Create();

    SubMenu exit(&file, "&Esci");
    Menu help(&bar, "&?");

    EXPECT_TRUE(exit.created);
    EXPECT_EQ(GetMenuItemID(file.menuHandle, 0), static_cast<UINT>(exit.id));
    EXPECT_TRUE(help.created);
    ASSERT_EQ(GetMenuItemCount(bar.menuHandle), 2);
    EXPECT_EQ(MenuText(bar.menuHandle, 1), L"&?");
}

TEST_F(MenuOnForm, ItemWithItemsBecomesAPopup)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu level(&file, "&Livello");
    SubMenu easy(&level, "&Facile");
    SubMenu hard(&level, "&Difficile");

    bar.Create();

    ASSERT_NE(level.popupMenu, nullptr);
    EXPECT_EQ(reinterpret_cast<HMENU>(level.hwnd), level.popupMenu);
    EXPECT_EQ(GetSubMenu(file.menuHandle, 0), level.popupMenu);
    EXPECT_EQ(MenuText(file.menuHandle, 0), L"&Livello");
    ASSERT_EQ(GetMenuItemCount(level.popupMenu), 2);
    EXPECT_EQ(GetMenuItemID(level.popupMenu, 0), static_cast<UINT>(easy.id));
    EXPECT_EQ(GetMenuItemID(level.popupMenu, 1), static_cast<UINT>(hard.id));
    EXPECT_EQ(easy.ParentMenuHandle(), level.popupMenu);
}

TEST_F(MenuOnForm, ParentMenuHandleIsTheMenuAboveTheItem)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu level(&file, "&Livello");
    SubMenu easy(&level, "&Facile");
    SubMenu loose(&bar, "&Fuori");

    EXPECT_EQ(easy.ParentMenuHandle(), nullptr);
    bar.Create();

    EXPECT_EQ(level.ParentMenuHandle(), file.menuHandle);
    EXPECT_EQ(easy.ParentMenuHandle(), level.popupMenu);
    EXPECT_EQ(loose.ParentMenuHandle(), nullptr);
    EXPECT_FALSE(loose.created);
}

TEST_F(MenuOnForm, SeparatorWithoutTextIsALine)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu before(&file, "&Nuova");
    SubMenu line(&file, "");
    line.itemFlags = MF_SEPARATOR;
    SubMenu exit(&file, "&Esci");

    bar.Create();

    ASSERT_EQ(GetMenuItemCount(file.menuHandle), 3);
    EXPECT_NE(StateAt(file.menuHandle, 1) & MF_SEPARATOR, 0u);
    EXPECT_EQ(StateAt(file.menuHandle, 2) & MF_SEPARATOR, 0u);
}

TEST_F(MenuOnForm, ItemDisabledBeforeCreateIsGrayed)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    SubMenu level(&file, "&Livello");
    SubMenu easy(&level, "&Facile");
    SubMenu open(&file, "&Apri");
    exit.SetEnabled(false);
    level.SetEnabled(false);

    bar.Create();

    EXPECT_NE(StateAt(file.menuHandle, 0) & MF_GRAYED, 0u);
    EXPECT_NE(StateAt(file.menuHandle, 1) & MF_GRAYED, 0u);
    EXPECT_EQ(StateAt(file.menuHandle, 2) & MF_GRAYED, 0u);
    EXPECT_EQ(StateAt(level.popupMenu, 0) & MF_GRAYED, 0u);
}

TEST_F(MenuOnForm, SetEnabledGraysAndRestoresLeavesAndPopups)
{
    MenuBar bar(form.get());
    Menu file(&bar, "&File");
    SubMenu exit(&file, "&Esci");
    SubMenu level(&file, "&Livello");
    SubMenu easy(&level, "&Facile");
    bar.Create();
    struct Case {
        const char* name;
        SubMenu* item;
        int position;
    };
    const Case cases[] = {{"leaf", &exit, 0}, {"popup", &level, 1}, {"nested leaf", &easy, -1}};
    for (const Case& c : cases) {
        HMENU menu = c.item->ParentMenuHandle();
        int position = c.position >= 0 ? c.position : 0;

        c.item->SetEnabled(false);
        EXPECT_NE(StateAt(menu, position) & MF_GRAYED, 0u) << c.name;
        EXPECT_FALSE(c.item->enabled) << c.name;

        c.item->SetEnabled(true);
        EXPECT_EQ(StateAt(menu, position) & MF_GRAYED, 0u) << c.name;
    }
}

TEST_F(MenuOnForm, CheckableItemShowsItsMarkWhenCreated)
{
    struct Case {
        const char* name;
        bool checkable;
        bool checked;
        bool shown;
    };
    const Case cases[] = {
        {"checkable, checked", true, true, true},
        {"checkable, unchecked", true, false, false},
        {"checked but not checkable", false, true, false},
    };
    MenuBar bar(form.get());
    Menu options(&bar, "&Opzioni");
    bar.Create();
    for (const Case& c : cases) {
        SubMenu item(nullptr, "&Suoni");
        item.parent = &options;
        item.checkable = c.checkable;
        item.checked = c.checked;
        options.AddItem(&item);

        UINT state = GetMenuState(options.menuHandle, static_cast<UINT>(item.id), MF_BYCOMMAND);
        EXPECT_EQ((state & MF_CHECKED) != 0, c.shown) << c.name;
        options.items.clear();
    }
}

TEST_F(MenuOnForm, QueryCheckedReadsOnlyTheCheckMark)
{
    struct Case {
        const char* name;
        UINT state;
        bool checked;
    };
    const Case cases[] = {
        {"checked", MFS_CHECKED, true},
        {"checked and grayed", MFS_CHECKED | MFS_GRAYED, true},
        {"checked and highlighted", MFS_CHECKED | MFS_HILITE, true},
        {"grayed", MFS_GRAYED, false},
        {"highlighted", MFS_HILITE, false},
        {"plain", 0, false},
    };
    MenuBar bar(form.get());
    Menu options(&bar, "&Opzioni");
    SubMenu item(&options, "&Suoni");
    bar.Create();
    for (const Case& c : cases) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        info.fState = c.state;
        SetMenuItemInfoW(options.menuHandle, static_cast<UINT>(item.id), FALSE, &info);
        item.checked = !c.checked;

        EXPECT_EQ(item.QueryChecked(), c.checked) << c.name;
        EXPECT_EQ(item.checked, c.checked) << c.name;
    }
}

TEST(MenuTree, QueryCheckedOutsideAMenuReturnsTheStoredMark)
{
    SubMenu item(nullptr, "&Suoni");
    item.checked = true;

    EXPECT_TRUE(item.QueryChecked());
    item.checked = false;
    EXPECT_FALSE(item.QueryChecked());
}

TEST_F(MenuOnForm, ApplyCheckedShowsTheMarkOfACheckableItemOnly)
{
    struct Case {
        const char* name;
        bool checkable;
        bool checked;
        bool shown;
    };
    const Case cases[] = {
        {"checkable, checked", true, true, true},
        {"checkable, unchecked", true, false, false},
        {"not checkable", false, true, false},
    };
    MenuBar bar(form.get());
    Menu options(&bar, "&Opzioni");
    SubMenu item(&options, "&Suoni");
    bar.Create();
    for (const Case& c : cases) {
        CheckMenuItem(options.menuHandle, static_cast<UINT>(item.id), MF_BYCOMMAND | (c.shown ? MF_UNCHECKED : MF_CHECKED));
        item.checkable = c.checkable;
        item.checked = c.checked;

        item.ApplyChecked();

        UINT state = GetMenuState(options.menuHandle, static_cast<UINT>(item.id), MF_BYCOMMAND);
        EXPECT_EQ((state & MF_CHECKED) != 0, c.shown) << c.name;
    }
}
