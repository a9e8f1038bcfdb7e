#pragma once
// The creation steps that the classes wrapping a standard Win32 control (buttons, labels, pictures, text
// boxes) share: the control id, the child window in the parent's window, the subclassing into the
// toolkit's window procedure and the element's font.

#include "support/Win32.h"

namespace Kestrum {

class GUIElement;

// Takes the next control id and creates the control's window at the element's place and size, with its
// text, as a child of the parent's window; stores the handle in hwnd and returns it (null on failure,
// after reading and dropping the last error).
HWND CreateControlWindow(GUIElement& control, DWORD extendedStyle, const wchar_t* className, DWORD style);

// From now on the control's messages go through ElementWndProc first; its own procedure is kept in
// savedWndProc to finish them. Nothing without a window.
void SubclassControl(GUIElement& control);

// WM_SETFONT with the element's font, redrawing; nothing when it has none.
void ApplyControlFont(GUIElement& control);

}  // namespace Kestrum
