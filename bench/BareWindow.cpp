// The yardstick of the start-up benchmark: the least a Win32 program does to show a window. It registers
// one class, opens one empty window the size of the game's and runs a message loop until the window is
// closed. Built with the same compiler, flags and static runtime as the game, so that the difference
// between the two is what the game itself does at start-up.

#include "support/Win32.h"

namespace {

const wchar_t* const kClassName = L"BareWindow";

// About the game's outer size (its client area is 640 x 400 under a caption and a menu bar), so that both
// first paints cover about as much.
constexpr int kWindowWidth = 646;
constexpr int kWindowHeight = 449;

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassW(&windowClass) == 0)
        return 1;

    const HWND window = CreateWindowExW(0, kClassName, L"BareWindow", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                        CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr, instance,
                                        nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
