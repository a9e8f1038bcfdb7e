#pragma once
// The toolkit's top-level window. Each form registers a window class of its own whose procedure is the
// toolkit's window procedure, creates its window from the element's fields and sizes, centres and
// decorates it. The first form created becomes the program's main window: destroying it ends the program.

#include "toolkit/core/GUIElement.h"

#include <string>

namespace Kestrum {

class Form : public GUIElement {
public:
    // A dialog form gets the dialog extended styles and, as the message loop's form, dialog keyboard
    // navigation; a main-window form gets neither.
    explicit Form(HINSTANCE instance, bool isDialog = false);
    // Closes and destroys a window that still exists, without the close request reaching the derived
    // form, which is already gone by then.
    ~Form() override;

    void Create() override;

    // Resizes the window so that its client area gets the given size; nothing before Create.
    void SetClientSize(int clientWidth, int clientHeight);
    // Before Create this only computes x and y, which Create then uses.
    void CenterOnScreen();
    // The small (caption) icon from the form's module; the class icon stays as chosen at Create.
    void SetIcon(int resourceId);

    Form* ownedForm = nullptr;  // not owned
    bool topMost = true;
    bool minimizeBox = true;
    bool maximizeBox = true;
    bool titleBar = true;
    bool dialog = false;
    bool modalFrame = false;
    // The caption icon in use. Icons from LoadIconW are shared by the system, so nothing releases it.
    HICON iconHandle = nullptr;
    int iconId = 0;
    // The name of the class that Create registered; the destructor unregisters it.
    std::wstring className;

private:
    void UnregisterOwnClass();
};

}  // namespace Kestrum
