#include "toolkit/core/ElementRegistry.h"

#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/GUIElement.h"

#include <algorithm>

namespace Kestrum {

std::vector<GUIElement*> allElements;
std::vector<GUIElement*> disposeList;
int nextControlId = 0;
HWND mainWindow = nullptr;
Form* activeForm = nullptr;
bool mouseTracking = false;
HCURSOR handCursorHandle = nullptr;
HCURSOR waitCursorHandle = nullptr;

GUIElement* FindElementByWindow(HWND window)
{
    for (GUIElement* element : allElements) {
        if (element->hwnd == window)
            return element;
    }
    if (!allElements.empty() && allElements.back()->hwnd == nullptr)
        return allElements.back();
    return nullptr;
}

GUIElement* FindElementById(int id)
{
    for (GUIElement* element : allElements) {
        if (element->id == id)
            return element;
    }
    return nullptr;
}

SubMenu* FindMenuItemById(int id)
{
    for (GUIElement* element : allElements) {
        auto* item = dynamic_cast<SubMenu*>(element);
        if (item != nullptr && item->id == id)
            return item;
    }
    return nullptr;
}

bool IsRegistered(const GUIElement* element)
{
    return std::find(allElements.begin(), allElements.end(), element) != allElements.end();
}

}  // namespace Kestrum
