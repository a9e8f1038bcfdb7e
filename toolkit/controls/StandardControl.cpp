#include "toolkit/controls/StandardControl.h"

#include "support/FontDescription.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/GUIElement.h"
#include "toolkit/core/WindowProcedure.h"

namespace Kestrum {

HWND CreateControlWindow(GUIElement& control, DWORD extendedStyle, const wchar_t* className, DWORD style)
{
    control.id = ++nextControlId;
    HWND parentWindow = control.parent != nullptr ? control.parent->hwnd : nullptr;
    control.hwnd = CreateWindowExW(extendedStyle, className, control.text.c_str(), style, control.x, control.y,
                                   control.width, control.height, parentWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), nullptr, nullptr);
    if (control.hwnd == nullptr)
        GetLastError();
    return control.hwnd;
}

void SubclassControl(GUIElement& control)
{
    if (control.hwnd == nullptr)
        return;
    control.savedWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ElementWndProc)));
}

void ApplyControlFont(GUIElement& control)
{
    if (control.font != nullptr)
        SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font->GetFontHandle()), TRUE);
}

}  // namespace Kestrum
