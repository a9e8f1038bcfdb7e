#pragma once
// Answers the real message boxes that the code under test shows, on the test's own thread: a thread
// timer fires inside the box's modal loop, reads the box (caption, text, buttons, icon, owner, which
// other windows it disabled) and presses the next button of the script. Bounded: a box that never comes
// stops the timer after a while and the test sees fewer boxes than it expected.

#include "support/Win32.h"

#include <string>
#include <vector>

namespace TestSupport {

class MessageBoxAnswerer {
public:
    struct Box {
        std::wstring caption;
        std::wstring text;
        std::vector<int> buttonIds;
        bool hasIcon = false;
        HWND owner = nullptr;
        // Top-level windows of the thread, other than the box, that could take input while it showed.
        std::vector<HWND> enabledWindows;
    };

    // Presses the buttons (IDOK, IDYES, IDNO, ...) one box after another.
    explicit MessageBoxAnswerer(std::vector<int> answers);
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    const std::vector<Box>& Boxes() const { return boxes; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void AnswerOpenBox();
    void Stop();

    std::vector<int> answers;
    std::vector<Box> boxes;
    UINT_PTR timer = 0;
    int idleTicks = 0;
    HWND lastBox = nullptr;

    static MessageBoxAnswerer* active;
};

}  // namespace TestSupport
