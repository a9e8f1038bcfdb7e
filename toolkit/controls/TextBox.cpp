#include "toolkit/controls/TextBox.h"

#include "support/TextHelpers.h"
#include "toolkit/controls/StandardControl.h"

namespace Kestrum {

TextBox::TextBox(GUIElement* container, const std::string& initialText) : Child(container)
{
    text = WidenText(initialText);
    width = 80;
    height = 30;
    typeName = "textbox";
}

void TextBox::Create()
{
    if (created)
        return;
    CreateControlWindow(*this, border ? WS_EX_CLIENTEDGE : 0, L"edit", ComputeStyle());
    SubclassControl(*this);
    // Also after a failure: the box then counts as created, with no window.
    created = true;
    if (maxLength != kNoLimit)
        SendMessageW(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
    ApplyControlFont(*this);
    // The style has no password bit; a box made with password set masks its text from the start all
    // the same, as ApplyStyle would.
    if (password)
        ApplyPasswordCharacter();
}

std::uint32_t TextBox::ComputeStyle() const
{
    std::uint32_t style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    if (!enabled)
        style |= WS_DISABLED;
    if (horizontalScroll)
        style |= WS_HSCROLL;
    if (verticalScroll)
        style |= WS_VSCROLL;
    if (numbersOnly)
        style |= ES_NUMBER;
    if (border)
        style |= WS_BORDER;
    if (multiline) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (!wordWrap)
            style |= ES_AUTOHSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (readOnly)
        style |= ES_READONLY;
    if (upperCase)
        style |= ES_UPPERCASE;
    else if (lowerCase)
        style |= ES_LOWERCASE;
    if (alignRight)
        style |= ES_RIGHT;
    else if (alignCenter)
        style |= ES_CENTER;
    return style;
}

void TextBox::ApplyStyle()
{
    if (!created)
        return;
    if (SetWindowLongW(hwnd, GWL_STYLE, static_cast<LONG>(ComputeStyle())) == 0) {
        GetLastError();
        return;
    }
    SendMessageW(hwnd, EM_SETREADONLY, readOnly ? 1 : 0, 0);
    ApplyPasswordCharacter();
    // The new frame and scroll bars are laid out only when the frame is recomputed.
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void TextBox::ApplyPasswordCharacter()
{
    SendMessageW(hwnd, EM_SETPASSWORDCHAR, password ? L'*' : 0, 0);
}

}  // namespace Kestrum
