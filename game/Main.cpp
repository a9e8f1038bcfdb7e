// The program's entry: the main form, the message loop until its window is gone, and exit code 0.
// The command line, the previous instance and the show command are ignored: the form shows itself.

#include "game/FormMain.h"
#include "game/GameInfo.h"
#include "toolkit/core/MessageLoop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const std::string caption = std::string(MyGame::kProductName) + " " + MyGame::kCopyrightNotice;
    auto* form = new MyGame::FormMain(instance, caption);
    Kestrum::RunMessageLoop(form);
    delete form;
    return 0;
}
