#pragma once
// A drop-down menu on a form's menu bar, such as "&File": a Win32 menu appended to the bar as a popup,
// holding its items in the order they were added. Only a menu whose parent is a bar is ever created.

#include "toolkit/core/Child.h"

#include <string>
#include <vector>

namespace Kestrum {

class Menu : public Child {
public:
    // Adds itself to its parent bar (or menu); with no parent it is added nowhere.
    Menu(GUIElement* container, const std::string& caption);

    void Create() override;
    // An element added after the menu was created is created at once.
    void AddItem(GUIElement* item);

    std::vector<GUIElement*> items;  // not owned
    HMENU menuHandle = nullptr;
};

}  // namespace Kestrum
