#include "toolkit/controls/Button.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/WindowProcedure.h"

namespace Kestrum {

Button::Button(GUIElement* container, const std::string& caption) : Child(container)
{
    text = WidenText(caption);
    width = 80;
    height = 30;
    typeName = "button";
}

void Button::Create()
{
    if (created)
        return;
    id = ++nextControlId;
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (ownerDraw ? BS_OWNERDRAW : BS_PUSHBUTTON);
    if (!enabled)
        style |= WS_DISABLED;
    HWND parentWindow = parent != nullptr ? parent->hwnd : nullptr;
    hwnd = CreateWindowExW(0, L"Button", text.c_str(), style, x, y, width, height, parentWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (hwnd != nullptr) {
        savedWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ElementWndProc)));
    } else {
        GetLastError();
    }
    // Also after a failure: the button then counts as created, with no window.
    created = true;
    if (font != nullptr)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
}

int Button::DrawPicture(Drawing&, const RECT&, bool)
{
    return 0;
}

bool Button::PaintFace(const DRAWITEMSTRUCT&)
{
    return true;
}

}  // namespace Kestrum
