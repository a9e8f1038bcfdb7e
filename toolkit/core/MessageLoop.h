#pragma once
// The toolkit's message pump: runs until the main window's destruction posts WM_QUIT, then deletes the
// elements that the program parked in disposeList while it ran.

namespace Kestrum {

class Form;

// form may be null; a dialog form gets dialog keyboard navigation through IsDialogMessageW.
void RunMessageLoop(Form* form);

}  // namespace Kestrum
