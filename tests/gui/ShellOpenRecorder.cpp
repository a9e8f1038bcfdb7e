// ShellOpenRecorder: registered by TestSupport::ShellOpenRecording as the program that opens web and
// mail addresses. Appends its first argument (the address, from the handler's "%1") as one UTF-16 line
// to the file named by ZELVANTO_SHELL_OPEN_RECORD, then signals the event named by
// ZELVANTO_SHELL_OPEN_EVENT. Without those variables (a handler left behind by an aborted run) it does
// nothing. A windows-subsystem program, so that starting it opens no console.

#include "support/Win32.h"

#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

std::wstring FirstArgument()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring first = arguments != nullptr && count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    return first;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::wstring recordFile = Variable(L"ZELVANTO_SHELL_OPEN_RECORD");
    const std::wstring eventName = Variable(L"ZELVANTO_SHELL_OPEN_EVENT");
    if (recordFile.empty() || eventName.empty())
        return 1;

    const std::wstring line = FirstArgument() + L"\n";
    FILE* file = _wfopen(recordFile.c_str(), L"ab");
    if (file == nullptr)
        return 2;
    std::fwrite(line.data(), sizeof(wchar_t), line.size(), file);
    std::fclose(file);

    HANDLE recorded = OpenEventW(EVENT_MODIFY_STATE, FALSE, eventName.c_str());
    if (recorded != nullptr) {
        SetEvent(recorded);
        CloseHandle(recorded);
    }
    return 0;
}
