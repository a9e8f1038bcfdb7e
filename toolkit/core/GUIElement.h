#pragma once
// The root of every toolkit object: forms, controls, panels and menu entries. It holds what all elements
// share (place, size, text, colours, state, the window once it exists), turns the window procedure's
// messages into virtual event operations, and raises the event callbacks through which a form reacts.
// Two stages: construction only stores values; Create makes the window; afterwards setters also apply
// their value to the window at once.

#include "support/Win32.h"

#include <string>
#include <vector>

namespace Kestrum {

struct FontDescription;
class GUIElement;

// Every callback gets the element that raised the event first; null means no handler.
using CreatedCallback = void (*)(GUIElement* sender, HWND window);
using MouseButtonCallback = void (*)(GUIElement* sender, HWND window, int x, int y);
using KeyCallback = void (*)(GUIElement* sender, int virtualKey);
using KeyPressCallback = bool (*)(GUIElement* sender, int character);
using EventCallback = void (*)(GUIElement* sender);
using ClosingCallback = bool (*)(GUIElement* sender);
using MouseMoveCallback = void (*)(GUIElement* sender, int x, int y);

constexpr COLORREF kNoColor = 0xFFFFFFFF;

class GUIElement {
public:
    // Appends the element to the registry's allElements.
    explicit GUIElement(HINSTANCE instance);
    // Takes the element out of the registry, so that no message is ever routed to a deleted element.
    virtual ~GUIElement();
    GUIElement(const GUIElement&) = delete;
    GUIElement& operator=(const GUIElement&) = delete;

    virtual void SetSize(int newWidth, int newHeight);
    virtual void SetBackColor(COLORREF color);
    virtual void SetEnabled(bool isEnabled);
    virtual void SetText(std::wstring newText);
    virtual void SetText(std::string newText);
    virtual void OnLeftButtonUp(int x, int y);
    virtual void OnLeftButtonDown(int x, int y);
    virtual void OnLeftButtonDoubleClick(int x, int y);
    virtual void OnRightButtonUp(int x, int y);
    virtual void OnRightButtonDown(int x, int y);
    virtual void OnRightButtonDoubleClick(int x, int y);
    virtual void OnKeyUp(int virtualKey);
    virtual void OnKeyDown(int virtualKey);
    virtual bool OnKeyPress(int character);
    virtual void OnMouseMove(int x, int y);
    virtual void OnMouseHover();
    virtual void OnMouseLeave();
    virtual void Focus();
    virtual void OnMove();
    virtual void OnResize();
    virtual void OnPaint();
    virtual HBRUSH OnControlColor(HDC controlDc);
    virtual bool OnClosing();
    virtual void OnDestroyed();
    virtual void OnGotFocus();
    virtual void OnLostFocus();
    virtual void OnActivated();
    virtual void OnDeactivated();
    virtual void OnCreated(HWND window);
    virtual void Redraw();
    virtual bool GetWaitCursor();
    virtual bool GetHandCursor();
    virtual void SetWaitCursor(bool wait);
    virtual void SetHandCursor(bool hand);
    virtual void OnShown();
    virtual void OnNotify(int kind, std::vector<int> numbers, std::vector<std::string> texts);
    virtual void Create() = 0;

    std::wstring GetText();
    std::string GetNarrowText();
    POINT GetPosition();
    SIZE GetSize();

    bool visible = true;
    bool destroyed = false;
    bool waitCursor = false;
    bool handCursor = false;
    HWND hwnd = nullptr;
    HINSTANCE hInstance = nullptr;
    WNDCLASSW windowClass{};
    FontDescription* font = nullptr;  // not owned
    int width = 100;
    int height = 50;
    int x = 100;
    int y = 100;
    bool created = false;
    COLORREF backColor = kNoColor;
    std::wstring text;
    std::wstring focusText;
    bool backColorSet = false;
    bool enabled = true;
    int id = 0;
    std::string typeName;
    GUIElement* parent = nullptr;  // not owned
    WNDPROC savedWndProc = nullptr;

    CreatedCallback createdCallback = nullptr;
    bool createdRaised = false;
    MouseButtonCallback leftButtonUpCallback = nullptr;
    MouseButtonCallback leftButtonDownCallback = nullptr;
    MouseButtonCallback leftButtonDoubleClickCallback = nullptr;
    MouseButtonCallback rightButtonUpCallback = nullptr;
    MouseButtonCallback rightButtonDownCallback = nullptr;
    MouseButtonCallback rightButtonDoubleClickCallback = nullptr;
    KeyCallback keyUpCallback = nullptr;
    KeyCallback keyDownCallback = nullptr;
    KeyPressCallback keyPressCallback = nullptr;
    EventCallback movedCallback = nullptr;
    EventCallback resizedCallback = nullptr;
    EventCallback paintCallback = nullptr;
    ClosingCallback closingCallback = nullptr;
    EventCallback destroyedCallback = nullptr;
    EventCallback gotFocusCallback = nullptr;
    EventCallback lostFocusCallback = nullptr;
    EventCallback activatedCallback = nullptr;
    EventCallback deactivatedCallback = nullptr;
    EventCallback textChangedCallback = nullptr;
    MouseMoveCallback mouseMoveCallback = nullptr;
    EventCallback mouseHoverCallback = nullptr;
    EventCallback mouseLeaveCallback = nullptr;
};

}  // namespace Kestrum
