#include "toolkit/controls/Menu.h"

#include "support/TextHelpers.h"
#include "toolkit/controls/MenuBar.h"

namespace Kestrum {

Menu::Menu(GUIElement* container, const std::string& caption) : Child(container)
{
    text = WidenText(caption);
    typeName = "menu";
    if (auto* bar = dynamic_cast<MenuBar*>(container))
        bar->AddItem(this);
    else if (auto* menu = dynamic_cast<Menu*>(container))
        menu->AddItem(this);
}

void Menu::Create()
{
    if (created)
        return;
    auto* bar = dynamic_cast<MenuBar*>(parent);
    if (bar == nullptr || bar->menuHandle == nullptr)
        return;
    menuHandle = CreateMenu();
    // Items append themselves to menuHandle; the menu joins the bar only once they are in it.
    for (GUIElement* item : items)
        item->Create();
    AppendMenuW(bar->menuHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(menuHandle), text.c_str());
    hwnd = reinterpret_cast<HWND>(menuHandle);
    created = true;
}

void Menu::AddItem(GUIElement* item)
{
    items.push_back(item);
    if (created)
        item->Create();
}

}  // namespace Kestrum
