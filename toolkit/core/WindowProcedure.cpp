#include "toolkit/core/WindowProcedure.h"

#include "toolkit/controls/Button.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/Child.h"
#include "toolkit/core/CommandElement.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace Kestrum {

namespace {

int SignedLow(LPARAM value)
{
    return static_cast<short>(LOWORD(value));
}

int SignedHigh(LPARAM value)
{
    return static_cast<short>(HIWORD(value));
}

void LoadSharedCursors()
{
    if (waitCursorHandle == nullptr)
        waitCursorHandle = LoadCursorW(nullptr, IDC_WAIT);
    if (handCursorHandle == nullptr)
        handCursorHandle = LoadCursorW(nullptr, IDC_HAND);
}

void ApplyActivation(Form& form)
{
    if (GetForegroundWindow() != form.hwnd) {
        form.OnDeactivated();
        return;
    }
    if (activeForm != nullptr)
        activeForm->OnDeactivated();
    if (!IsRegistered(&form))
        return;
    form.OnActivated();
    activeForm = &form;
    Form* owned = form.ownedForm;
    // Without SWP_NOACTIVATE this also brings the owned form (an open About box) back to the front.
    if (owned != nullptr && owned->created && form.hwnd != nullptr)
        SetWindowPos(owned->hwnd, form.hwnd, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

// Forms run without dialog navigation, so Tab and Shift+Tab are moved here among WS_TABSTOP controls.
void MoveFocusOnTab(GUIElement& element, HWND window)
{
    HWND dialogWindow = window;
    if (dynamic_cast<Child*>(&element) != nullptr && element.parent != nullptr)
        dialogWindow = element.parent->hwnd;
    bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    HWND next = GetNextDlgTabItem(dialogWindow, window, backwards ? TRUE : FALSE);
    if (next == nullptr)
        return;
    GUIElement* target = FindElementByWindow(next);
    if (target != nullptr)
        target->Focus();
}

void RunMenuCommand(int commandId)
{
    SubMenu* item = FindMenuItemById(commandId);
    if (item == nullptr)
        return;
    if (item->checkable) {
        item->checked = !item->QueryChecked();
        if (item->created)
            item->ApplyChecked();
    }
    if (item->commandHandler != nullptr)
        item->commandHandler(item);
}

void RunControlCommand(HWND control)
{
    GUIElement* sender = FindElementByWindow(control);
    auto* issuer = dynamic_cast<CommandElement*>(sender);
    if (issuer != nullptr && issuer->commandHandler != nullptr)
        issuer->commandHandler(sender);
}

void RouteCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0) {
        RunControlCommand(reinterpret_cast<HWND>(lParam));
        return;
    }
    // High word 1 is an accelerator: the toolkit has none.
    if (HIWORD(wParam) == 0)
        RunMenuCommand(LOWORD(wParam));
}

bool PaintOwnerDrawnButton(WPARAM wParam, LPARAM lParam)
{
    auto* button = dynamic_cast<Button*>(FindElementById(static_cast<int>(wParam)));
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (button == nullptr || item == nullptr || item->CtlType != ODT_BUTTON)
        return false;
    return button->PaintFace(*item);
}

void RouteNotification(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header == nullptr)
        return;
    GUIElement* element = FindElementByWindow(header->hwndFrom);
    if (element == nullptr)
        return;
    const auto* headerItem = reinterpret_cast<const NMHEADERW*>(lParam);
    switch (header->code) {
    case HDN_ITEMCHANGEDW: {
        int newWidth = headerItem->pitem != nullptr ? headerItem->pitem->cxy : 0;
        element->OnNotify(1, {headerItem->iItem, newWidth}, {});
        break;
    }
    case HDN_ITEMCLICKW:
        element->OnNotify(2, {headerItem->iItem}, {});
        break;
    case NM_RCLICK:
        element->OnNotify(3, {}, {});
        break;
    default:
        break;
    }
}

bool SetElementCursor(GUIElement& element)
{
    if (element.GetHandCursor()) {
        SetCursor(handCursorHandle);
        return true;
    }
    if (element.GetWaitCursor()) {
        SetCursor(waitCursorHandle);
        return true;
    }
    return false;
}

void RequestMouseTracking(GUIElement& element)
{
    if (mouseTracking)
        return;
    TRACKMOUSEEVENT request{};
    // The structure's own size: 16 bytes in a 32-bit program, 24 in a 64-bit one.
    request.cbSize = sizeof(request);
    request.dwFlags = TME_HOVER | TME_LEAVE;
    request.hwndTrack = element.hwnd;
    request.dwHoverTime = HOVER_DEFAULT;
    mouseTracking = TrackMouseEvent(&request) != FALSE;
}

// Returns true and sets result when the toolkit answers the message itself; false sends it on to the
// default processing.
bool HandleMessage(GUIElement* element, HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_DESTROY) {
        if (element != nullptr)
            element->OnDestroyed();
        if (window == mainWindow)
            PostQuitMessage(0);
        return false;
    }
    if (message == WM_MOUSELEAVE) {
        mouseTracking = false;
        if (element != nullptr)
            element->OnMouseLeave();
        return false;
    }
    if (element == nullptr)
        return false;

    switch (message) {
    case WM_CREATE:
        if (dynamic_cast<Form*>(element) != nullptr)
            element->OnCreated(window);
        return false;
    case WM_MOVE:
        element->OnMove();
        return false;
    case WM_SIZE:
        element->OnResize();
        return false;
    case WM_ACTIVATE:
        if (auto* form = dynamic_cast<Form*>(element))
            ApplyActivation(*form);
        return false;
    case WM_SETFOCUS:
        element->OnGotFocus();
        return false;
    case WM_KILLFOCUS:
        element->OnLostFocus();
        return false;
    case WM_PAINT:
        element->OnPaint();
        return false;
    case WM_CLOSE:
        if (element->OnClosing())
            return false;
        result = 1;
        return true;
    case WM_SHOWWINDOW:
        element->OnShown();
        if (IsRegistered(element))
            element->OnResize();
        return false;
    case WM_SETCURSOR:
        if (LOWORD(lParam) != HTCLIENT || !SetElementCursor(*element))
            return false;
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        if (!PaintOwnerDrawnButton(wParam, lParam))
            return false;
        result = TRUE;
        return true;
    case WM_NOTIFY:
        RouteNotification(lParam);
        return false;
    case WM_KEYDOWN:
        if (wParam == VK_TAB)
            MoveFocusOnTab(*element, window);
        if (IsRegistered(element))
            element->OnKeyDown(static_cast<int>(wParam));
        return false;
    case WM_KEYUP:
        element->OnKeyUp(static_cast<int>(wParam));
        return false;
    case WM_CHAR:
        if (element->OnKeyPress(static_cast<int>(wParam)))
            return false;
        result = 1;
        return true;
    case WM_COMMAND:
        RouteCommand(wParam, lParam);
        return false;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
        HBRUSH brush = element->OnControlColor(reinterpret_cast<HDC>(wParam));
        if (brush == nullptr)
            return false;
        result = reinterpret_cast<LRESULT>(brush);
        return true;
    }
    case WM_MOUSEMOVE:
        element->OnMouseMove(SignedLow(lParam), SignedHigh(lParam));
        if (IsRegistered(element))
            RequestMouseTracking(*element);
        return false;
    case WM_LBUTTONDOWN:
        element->OnLeftButtonDown(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_LBUTTONUP:
        element->OnLeftButtonUp(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_LBUTTONDBLCLK:
        element->OnLeftButtonDoubleClick(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_RBUTTONDOWN:
        element->OnRightButtonDown(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_RBUTTONUP:
        element->OnRightButtonUp(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_RBUTTONDBLCLK:
        element->OnRightButtonDoubleClick(SignedLow(lParam), SignedHigh(lParam));
        return false;
    case WM_MOUSEHOVER:
        element->OnMouseHover();
        return false;
    default:
        return false;
    }
}

}  // namespace

LRESULT CALLBACK ElementWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    GUIElement* element = FindElementByWindow(window);
    LoadSharedCursors();
    // Taken now: a handler may delete the element, and its control's procedure must still finish the
    // message.
    WNDPROC ownProcedure = element != nullptr ? element->savedWndProc : nullptr;

    LRESULT result = 0;
    if (HandleMessage(element, window, message, wParam, lParam, result))
        return result;
    if (ownProcedure != nullptr)
        return CallWindowProcW(ownProcedure, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace Kestrum
