#pragma once
// The menu bar of a form: a Win32 menu attached to the form's window, holding the drop-down menus in the
// order they were added. Menu elements have no window; hwnd holds the bar's menu handle once created.

#include "toolkit/core/Child.h"

#include <vector>

namespace Kestrum {

class MenuBar : public Child {
public:
    explicit MenuBar(GUIElement* form);

    // Creates the bar, then every menu in it, and attaches it to the form's window; nothing before the
    // form has a window, and nothing the second time.
    void Create() override;
    // An element added after the bar was created is created at once.
    void AddItem(GUIElement* item);

    std::vector<GUIElement*> items;  // not owned
    // Belongs to the form's window once attached; the bar never destroys it.
    HMENU menuHandle = nullptr;
};

}  // namespace Kestrum
