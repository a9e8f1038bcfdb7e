#include "toolkit/core/GUIElement.h"

#include "support/TextHelpers.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/WindowProcedure.h"

#include <algorithm>
#include <utility>

namespace Kestrum {

namespace {

void RemoveFrom(std::vector<GUIElement*>& list, GUIElement* element)
{
    list.erase(std::remove(list.begin(), list.end(), element), list.end());
}

// A subclassed control can outlive its element (its parent window destroys it later): give the window
// its own procedure back so that it keeps working without reaching a deleted element.
void RestoreOwnWindowProcedure(HWND window, WNDPROC ownProcedure)
{
    if (window == nullptr || ownProcedure == nullptr || !IsWindow(window))
        return;
    auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (current == ElementWndProc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ownProcedure));
}

}  // namespace

GUIElement::GUIElement(HINSTANCE instance) : hInstance(instance)
{
    allElements.push_back(this);
}

GUIElement::~GUIElement()
{
    RestoreOwnWindowProcedure(hwnd, savedWndProc);
    RemoveFrom(allElements, this);
    RemoveFrom(disposeList, this);
}

void GUIElement::SetSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    if (!created)
        return;
    SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOMOVE);
    Redraw();
}

void GUIElement::SetBackColor(COLORREF color)
{
    backColor = color;
    if (!created)
        return;
    // Painted at once instead of waiting for WM_PAINT; OnPaint repeats it so the colour stays under
    // whatever the default processing draws afterwards.
    InvalidateRect(hwnd, nullptr, FALSE);
    RECT client{};
    GetClientRect(hwnd, &client);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd, &paint);
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    EndPaint(hwnd, &paint);
    backColorSet = true;
}

void GUIElement::SetEnabled(bool isEnabled)
{
    enabled = isEnabled;
    if (created)
        EnableWindow(hwnd, enabled ? TRUE : FALSE);
}

void GUIElement::SetText(std::wstring newText)
{
    text = std::move(newText);
    if (created)
        SetWindowTextW(hwnd, text.c_str());
}

void GUIElement::SetText(std::string newText)
{
    SetText(WidenText(newText));
}

void GUIElement::OnLeftButtonUp(int x, int y)
{
    if (leftButtonUpCallback != nullptr)
        leftButtonUpCallback(this, hwnd, x, y);
}

void GUIElement::OnLeftButtonDown(int x, int y)
{
    if (leftButtonDownCallback != nullptr)
        leftButtonDownCallback(this, hwnd, x, y);
}

void GUIElement::OnLeftButtonDoubleClick(int x, int y)
{
    if (leftButtonDoubleClickCallback != nullptr)
        leftButtonDoubleClickCallback(this, hwnd, x, y);
}

void GUIElement::OnRightButtonUp(int x, int y)
{
    if (rightButtonUpCallback != nullptr)
        rightButtonUpCallback(this, hwnd, x, y);
}

void GUIElement::OnRightButtonDown(int x, int y)
{
    if (rightButtonDownCallback != nullptr)
        rightButtonDownCallback(this, hwnd, x, y);
}

void GUIElement::OnRightButtonDoubleClick(int x, int y)
{
    if (rightButtonDoubleClickCallback != nullptr)
        rightButtonDoubleClickCallback(this, hwnd, x, y);
}

void GUIElement::OnKeyUp(int virtualKey)
{
    if (keyUpCallback != nullptr)
        keyUpCallback(this, virtualKey);
}

void GUIElement::OnKeyDown(int virtualKey)
{
    if (keyDownCallback != nullptr)
        keyDownCallback(this, virtualKey);
}

bool GUIElement::OnKeyPress(int character)
{
    return keyPressCallback == nullptr || keyPressCallback(this, character);
}

void GUIElement::OnMouseMove(int x, int y)
{
    if (mouseMoveCallback != nullptr)
        mouseMoveCallback(this, x, y);
}

void GUIElement::OnMouseHover()
{
    if (mouseHoverCallback != nullptr)
        mouseHoverCallback(this);
}

void GUIElement::OnMouseLeave()
{
    if (mouseLeaveCallback != nullptr)
        mouseLeaveCallback(this);
}

void GUIElement::Focus()
{
    if (created)
        SetFocus(hwnd);
}

void GUIElement::OnMove()
{
    GetPosition();
    if (movedCallback != nullptr)
        movedCallback(this);
}

void GUIElement::OnResize()
{
    if (resizedCallback != nullptr)
        resizedCallback(this);
}

void GUIElement::OnPaint()
{
    if (backColorSet)
        SetBackColor(backColor);
    if (paintCallback != nullptr)
        paintCallback(this);
}

HBRUSH GUIElement::OnControlColor(HDC)
{
    return nullptr;
}

bool GUIElement::OnClosing()
{
    return closingCallback == nullptr || closingCallback(this);
}

void GUIElement::OnDestroyed()
{
    if (destroyedCallback != nullptr)
        destroyedCallback(this);
    destroyed = true;
}

void GUIElement::OnGotFocus()
{
    focusText = GetText();
    if (gotFocusCallback != nullptr)
        gotFocusCallback(this);
}

void GUIElement::OnLostFocus()
{
    if (lostFocusCallback != nullptr)
        lostFocusCallback(this);
    if (GetText() != focusText && textChangedCallback != nullptr)
        textChangedCallback(this);
}

void GUIElement::OnActivated()
{
    if (activatedCallback != nullptr)
        activatedCallback(this);
}

void GUIElement::OnDeactivated()
{
    if (deactivatedCallback != nullptr)
        deactivatedCallback(this);
}

void GUIElement::OnCreated(HWND window)
{
    if (hwnd == nullptr)
        hwnd = window;
    // Forms call this from WM_CREATE and again after CreateWindowExW returns; the event is raised once.
    if (!createdRaised && createdCallback != nullptr)
        createdCallback(this, hwnd);
    createdRaised = true;
}

void GUIElement::Redraw()
{
    if (created)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

bool GUIElement::GetWaitCursor()
{
    return waitCursor;
}

bool GUIElement::GetHandCursor()
{
    return handCursor;
}

void GUIElement::SetWaitCursor(bool wait)
{
    waitCursor = wait;
}

void GUIElement::SetHandCursor(bool hand)
{
    handCursor = hand;
}

void GUIElement::OnShown() {}

void GUIElement::OnNotify(int, std::vector<int>, std::vector<std::string>) {}

std::wstring GUIElement::GetText()
{
    if (created) {
        int length = GetWindowTextLengthW(hwnd);
        if (length <= 0) {
            text.clear();
        } else {
            std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
            int copied = GetWindowTextW(hwnd, buffer.data(), length + 1);
            // A failed read keeps the text we had.
            if (copied != 0)
                text.assign(buffer.c_str());
        }
    }
    return text;
}

std::string GUIElement::GetNarrowText()
{
    return NarrowText(GetText());
}

POINT GUIElement::GetPosition()
{
    if (created) {
        RECT outer{};
        GetWindowRect(hwnd, &outer);
        POINT corner{outer.left, outer.top};
        if (parent != nullptr)
            ScreenToClient(parent->hwnd, &corner);
        x = corner.x;
        y = corner.y;
    }
    return POINT{x, y};
}

SIZE GUIElement::GetSize()
{
    if (created) {
        RECT outer{};
        GetWindowRect(hwnd, &outer);
        width = outer.right - outer.left;
        height = outer.bottom - outer.top;
    }
    return SIZE{width, height};
}

}  // namespace Kestrum
