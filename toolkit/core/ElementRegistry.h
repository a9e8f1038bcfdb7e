#pragma once
// The program-wide state that ties windows to elements: every element ever constructed and still alive,
// the elements the message loop deletes when it ends, the id counter, the main window and the input
// state that the window procedure shares between windows. One thread uses it; nothing is locked.

#include "support/Win32.h"

#include <vector>

namespace Kestrum {

class GUIElement;
class Form;
class SubMenu;

// Every live element in construction order; an element leaves the list when it is deleted.
extern std::vector<GUIElement*> allElements;
// Elements that RunMessageLoop deletes, front to back, after WM_QUIT.
extern std::vector<GUIElement*> disposeList;
// Only grows: controls, panels and forms take the next value in Create, menu items at construction.
extern int nextControlId;
// The window of the first form created; its WM_DESTROY ends the message loop.
extern HWND mainWindow;
extern Form* activeForm;
// A hover and leave tracking request is pending; one flag serves every window.
extern bool mouseTracking;
extern HCURSOR handCursorHandle;
extern HCURSOR waitCursorHandle;

// The first element whose window is the given one. Messages that arrive while CreateWindowExW is still
// running come before the creating code could store the handle, so they go to the element constructed
// last when its hwnd is still null.
GUIElement* FindElementByWindow(HWND window);
GUIElement* FindElementById(int id);
SubMenu* FindMenuItemById(int id);

// Whether the element is still alive: handlers may delete elements while a message is being handled.
bool IsRegistered(const GUIElement* element);

}  // namespace Kestrum
