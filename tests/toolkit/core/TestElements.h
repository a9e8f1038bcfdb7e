#pragma once
// Small concrete elements for the core tests: a windowless element, a text-box-like "edit" control
// subclassed into the toolkit the way every standard control is, and a recorder of the windows that
// CreateWindowExW is asked to make (read through a CBT hook, so the requested styles are seen before
// the system adds its own bits).

#include "support/Win32.h"
#include "toolkit/core/Child.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/WindowProcedure.h"

#include <string>
#include <vector>

namespace CoreTest {

class PlainElement : public Kestrum::GUIElement {
public:
    PlainElement() : Kestrum::GUIElement(nullptr) {}
    void Create() override {}
};

class EditElement : public Kestrum::Child {
public:
    explicit EditElement(Kestrum::GUIElement* container) : Kestrum::Child(container) {}

    void Create() override
    {
        if (created)
            return;
        id = ++Kestrum::nextControlId;
        hwnd = CreateWindowExW(0, L"edit", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, width, height,
                               parent->hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        savedWndProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Kestrum::ElementWndProc)));
        created = true;
    }
};

struct CreatedWindow {
    std::wstring className;
    DWORD style = 0;
    DWORD extendedStyle = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
    HMENU menu = nullptr;
};

// Records every window this thread creates while it lives. Wine makes windows of its own too (the
// first window of a process brings the input method's), so tests look at the classes they create.
class CreationRecorder {
public:
    CreationRecorder()
    {
        current = this;
        hook = SetWindowsHookExW(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
    }
    ~CreationRecorder()
    {
        UnhookWindowsHookEx(hook);
        current = nullptr;
    }
    CreationRecorder(const CreationRecorder&) = delete;
    CreationRecorder& operator=(const CreationRecorder&) = delete;

    // The windows whose class name starts with the prefix (compared without case, as Win32 does).
    std::vector<CreatedWindow> OfClass(const std::wstring& prefix) const
    {
        std::vector<CreatedWindow> found;
        for (const CreatedWindow& window : windows) {
            if (window.className.size() >= prefix.size() &&
                _wcsnicmp(window.className.c_str(), prefix.c_str(), prefix.size()) == 0)
                found.push_back(window);
        }
        return found;
    }

    std::vector<CreatedWindow> windows;

private:
    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && current != nullptr) {
            const CREATESTRUCTW* request = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
            CreatedWindow window;
            if (IS_INTRESOURCE(request->lpszClass))
                window.className = L"#atom";
            else
                window.className = request->lpszClass;
            window.style = static_cast<DWORD>(request->style);
            window.extendedStyle = request->dwExStyle;
            window.x = request->x;
            window.y = request->y;
            window.width = request->cx;
            window.height = request->cy;
            window.parent = request->hwndParent;
            window.menu = request->hMenu;
            current->windows.push_back(window);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HHOOK hook = nullptr;
    static inline CreationRecorder* current = nullptr;
};

}  // namespace CoreTest
