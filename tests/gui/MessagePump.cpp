#include "tests/gui/MessagePump.h"

#include "support/Win32.h"

namespace TestSupport {

int PumpMessages(int maxMessages)
{
    int dispatched = 0;
    MSG message;
    while (dispatched < maxMessages && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // Keep the quit request for whoever checks for it after the pump.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
        ++dispatched;
    }
    return dispatched;
}

}  // namespace TestSupport
