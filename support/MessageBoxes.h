#pragma once
// The program's two message boxes: a notice with one OK button and a yes/no question. Both are
// task-modal and block until the player answers; the texts are code page 1252 and go to the ANSI call.

#include <string>

namespace Kestrum {

class GUIElement;

// Owned by the owner's window when an owner is given; no icon.
void ShowInfoMessage(GUIElement* owner, const std::string& text, const std::string& caption);

// Question icon, Yes and No, no owner window. True only for Yes; a box that cannot be shown is a No.
bool AskYesNo(const std::string& text, const std::string& caption);

}  // namespace Kestrum
