#include "toolkit/core/PanelChildren.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/WindowProcedure.h"

#include <string>

namespace Kestrum {

PanelChildren::PanelChildren(GUIElement* container) : Child(container)
{
    typeName = "panel";
}

PanelChildren::~PanelChildren()
{
    // When the last answer was the system face brush, DeleteObject leaves it alone: system colour brushes
    // cannot be deleted.
    if (childBrush != nullptr)
        DeleteObject(childBrush);
    // Each panel registers a class of its own, as forms do. While the panel's window still exists the
    // call fails and the class stays: harmless, and only when a panel dies before its window.
    if (!className.empty())
        UnregisterClassW(className.c_str(), windowClass.hInstance);
}

HBRUSH PanelChildren::OnControlColor(HDC controlDc)
{
    if (childBrush != nullptr)
        DeleteObject(childBrush);
    // The previous font is not put back: the control paints with it right after this answer.
    if (font != nullptr)
        SelectObject(controlDc, font->GetFontHandle());
    if (backColor != kNoColor) {
        SetBkColor(controlDc, backColor);
        childBrush = CreateSolidBrush(backColor);
    } else {
        childBrush = GetSysColorBrush(COLOR_BTNFACE);
    }
    return childBrush;
}

void PanelChildren::Create()
{
    if (created)
        return;
    className = L"PanelChildren" + NumberWideText(nextControlId);
    id = ++nextControlId;

    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = ElementWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = parent != nullptr ? parent->hInstance : nullptr;
    windowClass.hIcon = nullptr;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // A class brush lives as long as its class: unregistering the class deletes it.
    windowClass.hbrBackground = backColor == kNoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = className.c_str();
    RegisterClassW(&windowClass);

    DWORD style = WS_CHILD | WS_VISIBLE;
    if (tabStop)
        style |= WS_TABSTOP;
    if (!enabled)
        style |= WS_DISABLED;
    if (border)
        style |= WS_BORDER;
    DWORD extendedStyle = border ? WS_EX_CLIENTEDGE : 0;

    HWND parentWindow = parent != nullptr ? parent->hwnd : nullptr;
    hwnd = CreateWindowExW(extendedStyle, className.c_str(), text.c_str(), style, x, y, width, height, parentWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    // Failures are not reported; the error is only consumed.
    if (hwnd == nullptr)
        GetLastError();
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    created = true;
    if (createdCallback != nullptr)
        createdCallback(this, hwnd);
    if (font != nullptr)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
}

}  // namespace Kestrum
