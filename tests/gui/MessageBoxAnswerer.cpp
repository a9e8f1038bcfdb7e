#include "tests/gui/MessageBoxAnswerer.h"

namespace TestSupport {

namespace {

constexpr UINT kTickMilliseconds = 15;
// About ten seconds without a box to answer ends the script.
constexpr int kMaxIdleTicks = 700;

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

std::vector<HWND> ThreadWindows()
{
    std::vector<HWND> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FindOpenBox()
{
    for (HWND window : ThreadWindows()) {
        if (IsWindowVisible(window) && ClassOf(window) == L"#32770")
            return window;
    }
    return nullptr;
}

void ReadControls(HWND box, MessageBoxAnswerer::Box& seen)
{
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = ClassOf(child);
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(kind.c_str(), L"Button") == 0 && (style & WS_VISIBLE) != 0) {
            seen.buttonIds.push_back(GetDlgCtrlID(child));
        } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
            if ((style & SS_TYPEMASK) == SS_ICON) {
                seen.hasIcon = seen.hasIcon || ((style & WS_VISIBLE) != 0 &&
                                                SendMessageW(child, STM_GETICON, 0, 0) != 0);
            } else if (!TextOf(child).empty()) {
                seen.text = TextOf(child);
            }
        }
    }
}

}  // namespace

MessageBoxAnswerer* MessageBoxAnswerer::active = nullptr;

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> answers) : answers(std::move(answers))
{
    active = this;
    timer = SetTimer(nullptr, 0, kTickMilliseconds, &MessageBoxAnswerer::OnTimer);
}

MessageBoxAnswerer::~MessageBoxAnswerer()
{
    Stop();
}

void MessageBoxAnswerer::Stop()
{
    if (timer != 0)
        KillTimer(nullptr, timer);
    timer = 0;
    if (active == this)
        active = nullptr;
}

void CALLBACK MessageBoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (active != nullptr)
        active->AnswerOpenBox();
}

void MessageBoxAnswerer::AnswerOpenBox()
{
    const HWND box = FindOpenBox();
    // A box that was answered may still be on screen for a tick while it closes.
    if (box == nullptr || box == lastBox) {
        if (++idleTicks > kMaxIdleTicks)
            Stop();
        return;
    }
    idleTicks = 0;
    lastBox = box;

    Box seen;
    seen.caption = TextOf(box);
    seen.owner = GetWindow(box, GW_OWNER);
    ReadControls(box, seen);
    for (HWND window : ThreadWindows()) {
        if (window != box && IsWindowVisible(window) && IsWindowEnabled(window))
            seen.enabledWindows.push_back(window);
    }
    boxes.push_back(seen);

    // A box beyond the script is still closed, with its first button, so that the test goes on and
    // sees one box too many instead of hanging.
    const std::size_t index = boxes.size() - 1;
    const int answer = index < answers.size() ? answers[index]
                       : seen.buttonIds.empty() ? IDCANCEL : seen.buttonIds.front();
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

}  // namespace TestSupport
