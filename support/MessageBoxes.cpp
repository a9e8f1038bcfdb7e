#include "support/MessageBoxes.h"

#include "toolkit/core/GUIElement.h"

namespace Kestrum {

void ShowInfoMessage(GUIElement* owner, const std::string& text, const std::string& caption)
{
    const HWND ownerWindow = owner != nullptr ? owner->hwnd : nullptr;
    MessageBoxA(ownerWindow, text.c_str(), caption.c_str(), MB_TASKMODAL);
}

bool AskYesNo(const std::string& text, const std::string& caption)
{
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_TASKMODAL | MB_ICONQUESTION | MB_YESNO) == IDYES;
}

}  // namespace Kestrum
