#pragma once
// The one window procedure of the toolkit. Forms and panels register it for their window classes and
// standard controls are subclassed with it; it finds the element of the window, turns the message into
// the element's event operation, then lets the control's own procedure or DefWindowProcW finish it.

#include "support/Win32.h"

namespace Kestrum {

LRESULT CALLBACK ElementWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace Kestrum
