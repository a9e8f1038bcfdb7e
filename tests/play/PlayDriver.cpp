// Drives the running game from outside, for scripts/play: "wait" returns once the game's window is up
// and has handled its start-up messages (painted); "info" presses the game's "Info" button and waits
// for the About box; "close" asks the window to close and answers Yes to the game's own exit question.
// Exit code 0 on success, 1 when the game did not do its part in time.

#include "support/Win32.h"

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kPollMilliseconds = 50;
// Three minutes: the first start in a new Wine prefix builds its font cache, slow on a busy machine.
constexpr int kMaxPolls = 3600;

struct Search {
    const wchar_t* classPrefix;
    const wchar_t* captionPrefix;
    DWORD processId;
    HWND found;
};

bool StartsWith(const wchar_t* text, const wchar_t* prefix)
{
    return std::wcsncmp(text, prefix, std::wcslen(prefix)) == 0;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t className[64] = {};
    wchar_t caption[256] = {};
    GetClassNameW(window, className, 64);
    GetWindowTextW(window, caption, 256);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (IsWindowVisible(window) && StartsWith(className, search->classPrefix) &&
        StartsWith(caption, search->captionPrefix) && (search->processId == 0 || search->processId == processId)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindTopLevel(const wchar_t* classPrefix, const wchar_t* captionPrefix, DWORD processId = 0)
{
    Search search{classPrefix, captionPrefix, processId, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindGameWindow()
{
    return FindTopLevel(L"Window", L"ZelvantoGame");
}

HWND WaitForGameWindow()
{
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        if (HWND window = FindGameWindow())
            return window;
        Sleep(kPollMilliseconds);
    }
    return nullptr;
}

int WaitUntilPainted()
{
    const HWND window = WaitForGameWindow();
    if (window == nullptr)
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process == nullptr)
        return 1;
    // Idle input means the start-up messages, the first paint among them, have been handled.
    const DWORD idle = WaitForInputIdle(process, kPollMilliseconds * kMaxPolls);
    CloseHandle(process);
    return idle == 0 ? 0 : 1;
}

HWND FindChildButton(HWND window, const wchar_t* caption)
{
    return FindWindowExW(window, nullptr, L"Button", caption);
}

int OpenAbout()
{
    const HWND window = WaitForGameWindow();
    const HWND info = window != nullptr ? FindChildButton(window, L"Info") : nullptr;
    if (info == nullptr)
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    PostMessageW(info, BM_CLICK, 0, 0);
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        if (HWND about = FindTopLevel(L"Window", L"Info...", processId)) {
            const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
            if (process != nullptr) {
                WaitForInputIdle(process, kPollMilliseconds * kMaxPolls);
                CloseHandle(process);
            }
            return IsWindowVisible(about) ? 0 : 1;
        }
        Sleep(kPollMilliseconds);
    }
    return 1;
}

int CloseThroughExitQuestion()
{
    const HWND window = WaitForGameWindow();
    if (window == nullptr)
        return 1;
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    PostMessageW(window, WM_CLOSE, 0, 0);
    bool answered = false;
    for (int poll = 0; poll < kMaxPolls; ++poll) {
        if (!IsWindow(window))
            return answered ? 0 : 1;
        if (!answered) {
            if (HWND question = FindTopLevel(L"#32770", L"Uscita", processId)) {
                PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(question, IDYES)));
                answered = true;
            }
        }
        Sleep(kPollMilliseconds);
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "wait")
        return WaitUntilPainted();
    if (command == "info")
        return OpenAbout();
    if (command == "close")
        return CloseThroughExitQuestion();
    std::fprintf(stderr, "usage: PlayDriver wait|info|close\n");
    return 2;
}
