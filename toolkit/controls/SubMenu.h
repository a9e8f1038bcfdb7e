#pragma once
// An item of a menu: a command whose choice makes the window procedure call commandHandler (after
// flipping the check mark of a checkable item), or a nested popup when it has items of its own. It takes
// its command id when constructed, so menu commands never share an id with a control.

#include "toolkit/core/Child.h"
#include "toolkit/core/CommandElement.h"

#include <string>
#include <vector>

namespace Kestrum {

class SubMenu : public Child, public CommandElement {
public:
    // Adds itself to its parent menu (or parent item); with any other parent it is added nowhere.
    SubMenu(GUIElement* container, const std::string& caption);

    // Grays or enables the item's entry; an item with items is addressed through its popup.
    void SetEnabled(bool isEnabled) override;
    void Create() override;
    // An element added after the item was created is created at once.
    void AddItem(GUIElement* item);

    // The menu the item is appended to: the parent menu's handle or the parent item's popup; else null.
    HMENU ParentMenuHandle();
    // The check mark as the menu shows it, stored into checked; the stored value while not in a menu.
    bool QueryChecked();
    // Shows checked in the menu (unchecked when the item is not checkable).
    void ApplyChecked();

    std::vector<GUIElement*> items;  // not owned
    HMENU popupMenu = nullptr;
    UINT itemFlags = MF_STRING;
    bool checkable = false;
    bool checked = false;
};

}  // namespace Kestrum
