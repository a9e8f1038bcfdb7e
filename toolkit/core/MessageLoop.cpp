#include "toolkit/core/MessageLoop.h"

#include "support/Win32.h"
#include "toolkit/core/ElementRegistry.h"
#include "toolkit/core/Form.h"

namespace Kestrum {

namespace {

// Front to back. A parked element's destruction may delete others, and every element leaves
// disposeList when it dies, so the list is read afresh after each deletion.
void DeleteParkedElements()
{
    while (!disposeList.empty()) {
        GUIElement* element = disposeList.front();
        disposeList.erase(disposeList.begin());
        delete element;
    }
}

}  // namespace

void RunMessageLoop(Form* form)
{
    MSG message;
    // -1 (an invalid message) does not end the loop; only WM_QUIT does.
    while (GetMessageW(&message, nullptr, 0, 0) != 0) {
        if (form != nullptr && form->dialog && IsDialogMessageW(form->hwnd, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteParkedElements();
}

}  // namespace Kestrum
