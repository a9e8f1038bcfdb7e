#include "toolkit/core/Form.h"

#include "support/FontDescription.h"
#include "support/TextHelpers.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/WindowProcedure.h"

#include <string>

namespace Kestrum {

namespace {

// WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX: the base of every form with a title bar.
constexpr DWORD kTitledFormStyle = 0x10C90000;
constexpr DWORD kDialogExtendedStyle = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME;

void ClearCallbacks(GUIElement& element)
{
    element.createdCallback = nullptr;
    element.leftButtonUpCallback = nullptr;
    element.leftButtonDownCallback = nullptr;
    element.leftButtonDoubleClickCallback = nullptr;
    element.rightButtonUpCallback = nullptr;
    element.rightButtonDownCallback = nullptr;
    element.rightButtonDoubleClickCallback = nullptr;
    element.keyUpCallback = nullptr;
    element.keyDownCallback = nullptr;
    element.keyPressCallback = nullptr;
    element.movedCallback = nullptr;
    element.resizedCallback = nullptr;
    element.paintCallback = nullptr;
    element.closingCallback = nullptr;
    element.destroyedCallback = nullptr;
    element.gotFocusCallback = nullptr;
    element.lostFocusCallback = nullptr;
    element.activatedCallback = nullptr;
    element.deactivatedCallback = nullptr;
    element.textChangedCallback = nullptr;
    element.mouseMoveCallback = nullptr;
    element.mouseHoverCallback = nullptr;
    element.mouseLeaveCallback = nullptr;
}

// Other forms must not keep pointing at a deleted form: the activation rule calls into both.
void ForgetForm(Form* form)
{
    if (activeForm == form)
        activeForm = nullptr;
    for (GUIElement* element : allElements) {
        auto* other = dynamic_cast<Form*>(element);
        if (other != nullptr && other->ownedForm == form)
            other->ownedForm = nullptr;
    }
}

}  // namespace

Form::Form(HINSTANCE instance, bool isDialog) : GUIElement(instance), dialog(isDialog)
{
    typeName = "form";
}

Form::~Form()
{
    if (created && hwnd != nullptr) {
        // The callbacks are the derived form's forwarders, and the derived part is already destroyed.
        ClearCallbacks(*this);
        SendMessageW(hwnd, WM_CLOSE, 0, 0);
        created = false;
        DestroyWindow(hwnd);
    }
    UnregisterOwnClass();
    ForgetForm(this);
}

// Every form registers a class of its own. Kept after the form is gone, each About box ever opened would
// cost a class atom and, under Wine, a copy of the class icons; the class brush goes with the class.
void Form::UnregisterOwnClass()
{
    if (!className.empty())
        UnregisterClassW(className.c_str(), hInstance);
}

void Form::Create()
{
    if (created)
        return;
    std::wstring title = text;
    className = L"Window" + NumberWideText(nextControlId);
    id = ++nextControlId;

    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = ElementWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = hInstance;
    windowClass.hIcon = iconId == 0 ? LoadIconW(nullptr, IDI_APPLICATION)
                                    : LoadIconW(hInstance, MAKEINTRESOURCEW(iconId));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // A class brush lives as long as its class, which is never unregistered.
    windowClass.hbrBackground = backColor == kNoColor ? GetSysColorBrush(COLOR_BTNFACE) : CreateSolidBrush(backColor);
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = className.c_str();
    RegisterClassW(&windowClass);

    DWORD style = WS_POPUP;
    DWORD extendedStyle = 0;
    if (titleBar) {
        style = kTitledFormStyle;
        if (minimizeBox)
            style |= WS_MINIMIZEBOX;
        if (maximizeBox)
            style |= WS_THICKFRAME | WS_MAXIMIZEBOX;
    }
    if (dialog) {
        extendedStyle = kDialogExtendedStyle;
        if (topMost)
            extendedStyle |= WS_EX_TOPMOST;
        style = kTitledFormStyle;
        if (modalFrame)
            style |= DS_MODALFRAME;
    }
    if (!maximizeBox)
        style &= ~static_cast<DWORD>(WS_MAXIMIZEBOX);
    if (!minimizeBox)
        style &= ~static_cast<DWORD>(WS_MINIMIZEBOX);
    if (!enabled)
        style |= WS_DISABLED;

    hwnd = CreateWindowExW(extendedStyle, className.c_str(), title.c_str(), style, x, y, width, height, nullptr,
                           nullptr, hInstance, nullptr);
    if (mainWindow == nullptr)
        mainWindow = hwnd;
    OnCreated(hwnd);
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    created = true;
    if (font != nullptr)
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetFontHandle()), TRUE);
}

void Form::SetClientSize(int clientWidth, int clientHeight)
{
    if (!created)
        return;
    RECT outer{};
    RECT client{};
    GetWindowRect(hwnd, &outer);
    GetClientRect(hwnd, &client);
    int horizontalFrame = (outer.right - outer.left) - (client.right - client.left);
    int verticalFrame = (outer.bottom - outer.top) - (client.bottom - client.top);
    if (horizontalFrame < 0)
        horizontalFrame = 0;
    if (verticalFrame < 0)
        verticalFrame = 0;
    GetPosition();
    SetSize(clientWidth + horizontalFrame, clientHeight + verticalFrame);
}

void Form::CenterOnScreen()
{
    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (created) {
        RECT outer{};
        GetWindowRect(hwnd, &outer);
        width = outer.right - outer.left;
        height = outer.bottom - outer.top;
    }
    x = (screenWidth - width) / 2;
    y = (screenHeight - height) / 2;
    if (created) {
        SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOSIZE);
        Redraw();
    }
}

void Form::SetIcon(int resourceId)
{
    iconId = resourceId;
    if (!created)
        return;
    HICON icon = LoadIconW(hInstance, MAKEINTRESOURCEW(resourceId));
    // A missing icon leaves the caption icon as it was.
    if (icon == nullptr)
        return;
    iconHandle = icon;
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

}  // namespace Kestrum
