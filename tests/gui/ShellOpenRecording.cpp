#include "tests/gui/ShellOpenRecording.h"

#include "tests/gui/MessagePump.h"
#include "tests/gui/TestBitmaps.h"

#include <cstdio>

namespace TestSupport {

namespace {

const wchar_t* const kRecorderName = L"ShellOpenRecorder.exe";
const wchar_t* const kSavedCommandValue = L"ZelvantoSavedCommand";
const wchar_t* const kSchemes[] = {L"http", L"https", L"mailto"};
// Starting a Windows program under Wine takes a moment; a recorder that never comes ends the wait.
constexpr DWORD kWaitLimitMilliseconds = 20000;

std::wstring RecorderPath()
{
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path = module;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + kRecorderName;
}

std::wstring CommandKey(const std::wstring& scheme)
{
    return scheme + L"\\shell\\open\\command";
}

bool ReadString(HKEY key, const wchar_t* valueName, std::wstring& value)
{
    wchar_t buffer[1024] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    value = buffer;
    return true;
}

bool WriteString(HKEY key, const wchar_t* valueName, const std::wstring& value)
{
    return RegSetValueExW(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

std::vector<std::wstring> CompleteLines(const std::wstring& content)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end = content.find(L'\n'); end != std::wstring::npos; end = content.find(L'\n', start)) {
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

ShellOpenRecording::ShellOpenRecording()
{
    const std::wstring recorder = RecorderPath();
    if (GetFileAttributesW(recorder.c_str()) == INVALID_FILE_ATTRIBUTES) {
        problem = "ShellOpenRecorder.exe is not beside the test executable";
        return;
    }
    const std::string file = TemporaryFilePath("zelvanto-shell-open.txt");
    recordFile.assign(file.begin(), file.end());
    const std::wstring eventName = L"ZelvantoShellOpenRecorded" + std::to_wstring(GetCurrentProcessId());
    recordedEvent = CreateEventW(nullptr, FALSE, FALSE, eventName.c_str());
    // The recorder inherits the test's environment through ShellExecuteW's CreateProcess.
    SetEnvironmentVariableW(L"ZELVANTO_SHELL_OPEN_RECORD", recordFile.c_str());
    SetEnvironmentVariableW(L"ZELVANTO_SHELL_OPEN_EVENT", eventName.c_str());

    const std::wstring command = L"\"" + recorder + L"\" \"%1\"";
    for (const wchar_t* scheme : kSchemes)
        RegisterHandler(scheme, command);
}

ShellOpenRecording::~ShellOpenRecording()
{
    for (const std::wstring& scheme : registeredSchemes)
        RestoreHandler(scheme);
    SetEnvironmentVariableW(L"ZELVANTO_SHELL_OPEN_RECORD", nullptr);
    SetEnvironmentVariableW(L"ZELVANTO_SHELL_OPEN_EVENT", nullptr);
    if (recordedEvent != nullptr)
        CloseHandle(recordedEvent);
    if (!recordFile.empty())
        DeleteFileW(recordFile.c_str());
}

void ShellOpenRecording::RegisterHandler(const std::wstring& scheme, const std::wstring& command)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CLASSES_ROOT, CommandKey(scheme).c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        problem = "cannot open the shell's open command of a scheme";
        return;
    }
    // An earlier run that died keeps its saved command: that one is the prefix's own.
    std::wstring previous;
    if (!ReadString(key, kSavedCommandValue, previous)) {
        ReadString(key, nullptr, previous);
        WriteString(key, kSavedCommandValue, previous);
    }
    if (WriteString(key, nullptr, command))
        registeredSchemes.push_back(scheme);
    else
        problem = "cannot register the recorder as the shell's open command";
    RegCloseKey(key);
}

void ShellOpenRecording::RestoreHandler(const std::wstring& scheme)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, CommandKey(scheme).c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    std::wstring previous;
    if (ReadString(key, kSavedCommandValue, previous)) {
        if (previous.empty())
            RegDeleteValueW(key, nullptr);
        else
            WriteString(key, nullptr, previous);
        RegDeleteValueW(key, kSavedCommandValue);
    }
    RegCloseKey(key);
}

std::vector<std::wstring> ShellOpenRecording::Addresses() const
{
    std::wstring content;
    FILE* file = recordFile.empty() ? nullptr : _wfopen(recordFile.c_str(), L"rb");
    if (file == nullptr)
        return {};
    wchar_t buffer[512];
    std::size_t read = 0;
    while ((read = std::fread(buffer, sizeof(wchar_t), 512, file)) > 0)
        content.append(buffer, read);
    std::fclose(file);
    // A line still being written has no end yet.
    return CompleteLines(content);
}

std::vector<std::wstring> ShellOpenRecording::WaitForAddresses(std::size_t count) const
{
    const DWORD start = GetTickCount();
    std::vector<std::wstring> addresses = Addresses();
    while (addresses.size() < count && recordedEvent != nullptr) {
        const DWORD waited = GetTickCount() - start;
        if (waited >= kWaitLimitMilliseconds)
            break;
        // Wakes for the recorder's signal or for a message to dispatch, whichever comes first.
        const DWORD woken = MsgWaitForMultipleObjects(1, &recordedEvent, FALSE, kWaitLimitMilliseconds - waited,
                                                      QS_ALLINPUT);
        if (woken == WAIT_OBJECT_0 + 1)
            PumpMessages();
        addresses = Addresses();
    }
    return addresses;
}

}  // namespace TestSupport
