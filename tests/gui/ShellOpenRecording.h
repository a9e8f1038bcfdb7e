#pragma once
// Stands in for the browser and the mail program while a test runs. For as long as a recording lives,
// the shell's "open" of http, https and "mailto:" addresses starts the small ShellOpenRecorder program
// that the test project builds beside the test executable (zelvanto_use_shell_open_recorder in
// tests/CMakeLists.txt). It appends the address it was handed to a file and signals an event, so a test
// reads back exactly what ShellExecuteW was given, and no browser starts.
//
// Wine's classes root is the machine's Software\Classes only (the user's classes are not merged in), so
// the handlers are replaced there, in the test's own Wine prefix, and put back on destruction. The
// previous command waits in a value beside it, so a run that died halfway is repaired by the next one.

#include "support/Win32.h"

#include <cstddef>
#include <string>
#include <vector>

namespace TestSupport {

class ShellOpenRecording {
public:
    ShellOpenRecording();
    ~ShellOpenRecording();
    ShellOpenRecording(const ShellOpenRecording&) = delete;
    ShellOpenRecording& operator=(const ShellOpenRecording&) = delete;

    // False when the recorder program is missing beside the test or a handler could not be registered;
    // the reason is in Problem().
    bool IsReady() const { return problem.empty(); }
    const std::string& Problem() const { return problem; }

    // The addresses recorded so far, oldest first.
    std::vector<std::wstring> Addresses() const;
    // Dispatches the thread's messages while it waits until at least count addresses are recorded or
    // the time limit has passed; returns what was recorded by then.
    std::vector<std::wstring> WaitForAddresses(std::size_t count) const;

private:
    void RegisterHandler(const std::wstring& scheme, const std::wstring& command);
    void RestoreHandler(const std::wstring& scheme);

    std::string problem;
    std::wstring recordFile;
    HANDLE recordedEvent = nullptr;
    std::vector<std::wstring> registeredSchemes;
};

}  // namespace TestSupport
