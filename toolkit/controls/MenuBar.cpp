#include "toolkit/controls/MenuBar.h"

namespace Kestrum {

MenuBar::MenuBar(GUIElement* form) : Child(form)
{
    typeName = "menubar";
}

void MenuBar::Create()
{
    if (created || parent == nullptr || parent->hwnd == nullptr)
        return;
    menuHandle = CreateMenu();
    // Each menu appends itself to menuHandle, so the handle must exist before they are created.
    for (GUIElement* item : items)
        item->Create();
    SetMenu(parent->hwnd, menuHandle);
    hwnd = reinterpret_cast<HWND>(menuHandle);
    created = true;
}

void MenuBar::AddItem(GUIElement* item)
{
    items.push_back(item);
    if (created)
        item->Create();
}

}  // namespace Kestrum
