#include "toolkit/controls/SubMenu.h"

#include "support/TextHelpers.h"
#include "toolkit/controls/Menu.h"
#include "toolkit/core/ElementRegistry.h"

namespace Kestrum {

namespace {

// A popup entry was appended by its handle, not by a command id, so it is found by its position.
int PositionOfPopup(HMENU menu, HMENU popup)
{
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (GetSubMenu(menu, position) == popup)
            return position;
    }
    return -1;
}

}  // namespace

SubMenu::SubMenu(GUIElement* container, const std::string& caption) : Child(container)
{
    text = WidenText(caption);
    typeName = "submenu";
    id = ++nextControlId;
    if (auto* menu = dynamic_cast<Menu*>(container))
        menu->AddItem(this);
    else if (auto* item = dynamic_cast<SubMenu*>(container))
        item->AddItem(this);
}

void SubMenu::SetEnabled(bool isEnabled)
{
    enabled = isEnabled;
    if (!created)
        return;
    HMENU menu = ParentMenuHandle();
    UINT state = enabled ? MF_ENABLED : MF_GRAYED;
    if (popupMenu == nullptr) {
        EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | state);
        return;
    }
    int position = PositionOfPopup(menu, popupMenu);
    if (position >= 0)
        EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | state);
}

void SubMenu::Create()
{
    if (created)
        return;
    HMENU menu = ParentMenuHandle();
    if (menu == nullptr)
        return;
    if (items.empty()) {
        // No text and MF_SEPARATOR make a separator line.
        AppendMenuW(menu, itemFlags, static_cast<UINT_PTR>(id), text.empty() ? nullptr : text.c_str());
        if (checkable)
            CheckMenuItem(menu, static_cast<UINT>(id), checked ? MF_CHECKED : MF_UNCHECKED);
    } else {
        popupMenu = CreatePopupMenu();
        for (GUIElement* item : items)
            item->Create();
        AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(popupMenu), text.c_str());
    }
    created = true;
    hwnd = reinterpret_cast<HWND>(popupMenu);
    if (!enabled)
        SetEnabled(false);
}

void SubMenu::AddItem(GUIElement* item)
{
    items.push_back(item);
    if (created)
        item->Create();
}

HMENU SubMenu::ParentMenuHandle()
{
    if (auto* menu = dynamic_cast<Menu*>(parent))
        return menu->menuHandle;
    if (auto* item = dynamic_cast<SubMenu*>(parent))
        return item->popupMenu;
    return nullptr;
}

bool SubMenu::QueryChecked()
{
    HMENU menu = ParentMenuHandle();
    if (created && menu != nullptr) {
        UINT state = GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND);
        // Only the check bit counts: a grayed or highlighted item still reads as checked. An item that
        // is not in the menu (state -1) keeps what was stored.
        if (state != static_cast<UINT>(-1))
            checked = (state & MF_CHECKED) != 0;
    }
    return checked;
}

void SubMenu::ApplyChecked()
{
    HMENU menu = ParentMenuHandle();
    if (menu != nullptr)
        CheckMenuItem(menu, static_cast<UINT>(id), (checkable && checked) ? MF_CHECKED : MF_UNCHECKED);
}

}  // namespace Kestrum
