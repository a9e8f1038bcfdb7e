// Measures how long a program takes from CreateProcess until its window is shown and painted, and how
// much memory it has touched by then, for the game against a bare one-window program, in alternating
// runs. It then closes each program as a player would (WM_CLOSE, and Yes to the game's exit question)
// and waits for it to end. Prints each pair, the medians and their ratio. Nothing here asserts on time.
//
//   StartupBenchmark <game.exe> <bare.exe> [runs]     (runs of each program; default 20)

#include "support/Win32.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kDefaultRuns = 20;
// Every wait is bounded; a program that has not done its part by then counts as a failed run.
constexpr ULONGLONG kStepTimeoutMilliseconds = 60000;
// The game asks before it closes; the bare window never asks.
const wchar_t* const kExitQuestionCaption = L"Uscita";
const wchar_t* const kMessageBoxClass = L"#32770";

constexpr double kTimeRatioGoal = 1.3;
constexpr SIZE_T kExtraMemoryGoal = 3 * 1024 * 1024;

struct Measurement {
    bool ok = false;
    double shownMilliseconds = 0;    // until the first visible top-level window
    double paintedMilliseconds = 0;  // until input idle with nothing left to paint
    SIZE_T peakWorkingSet = 0;       // bytes, read once the window is painted
    std::wstring failure;
};

class Stopwatch {
public:
    Stopwatch()
    {
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
    }

    double ElapsedMilliseconds() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
};

struct WindowSearch {
    DWORD processId;
    const wchar_t* className;  // null: any class
    const wchar_t* caption;    // null: any caption
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window))
        return TRUE;
    wchar_t text[256] = {};
    if (search->className != nullptr &&
        (GetClassNameW(window, text, 256) == 0 || std::wcscmp(text, search->className) != 0))
        return TRUE;
    if (search->caption != nullptr &&
        (GetWindowTextW(window, text, 256) == 0 || std::wcscmp(text, search->caption) != 0))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindVisibleTopLevel(DWORD processId, const wchar_t* className = nullptr, const wchar_t* caption = nullptr)
{
    WindowSearch search{processId, className, caption, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool HasUpdateRegion(HWND window)
{
    return IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE) != FALSE;
}

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM parameter)
{
    if (!HasUpdateRegion(child))
        return TRUE;
    *reinterpret_cast<bool*>(parameter) = true;
    return FALSE;
}

// Painted: the window and every visible child have handled their WM_PAINT (no update region is left).
bool IsPainted(HWND window)
{
    if (!IsWindowVisible(window) || HasUpdateRegion(window))
        return false;
    bool unpainted = false;
    EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
    return !unpainted;
}

bool HasExited(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

class Deadline {
public:
    Deadline() : end(GetTickCount64() + kStepTimeoutMilliseconds) {}
    bool Passed() const { return GetTickCount64() >= end; }
    DWORD Remaining() const
    {
        const ULONGLONG now = GetTickCount64();
        return now >= end ? 0 : static_cast<DWORD>(end - now);
    }

private:
    ULONGLONG end;
};

// WM_CLOSE to the window, then Yes to the exit question if one comes up, until the process has ended.
std::wstring CloseAndWait(HANDLE process, DWORD processId, HWND window)
{
    PostMessageW(window, WM_CLOSE, 0, 0);
    bool answered = false;
    const Deadline deadline;
    while (!HasExited(process)) {
        if (deadline.Passed())
            return L"did not exit after WM_CLOSE";
        if (!answered) {
            if (HWND question = FindVisibleTopLevel(processId, kMessageBoxClass, kExitQuestionCaption)) {
                PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(question, IDYES)));
                answered = true;
            }
        }
        WaitForSingleObject(process, 5);
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process, &exitCode);
    if (exitCode != 0)
        return L"exited with code " + std::to_wstring(exitCode);
    return {};
}

// Polls every millisecond: the granularity of the figures.
Measurement MeasureOnce(HANDLE process, DWORD processId, const Stopwatch& clock)
{
    Measurement result;
    HWND window = nullptr;
    Deadline deadline;
    while ((window = FindVisibleTopLevel(processId)) == nullptr) {
        if (HasExited(process) || deadline.Passed()) {
            result.failure = L"no visible window";
            return result;
        }
        Sleep(1);
    }
    result.shownMilliseconds = clock.ElapsedMilliseconds();

    deadline = Deadline();
    if (WaitForInputIdle(process, deadline.Remaining()) != 0) {
        result.failure = L"never idle";
        return result;
    }
    while (!IsPainted(window)) {
        if (HasExited(process) || deadline.Passed()) {
            result.failure = L"window not painted";
            return result;
        }
        Sleep(1);
    }
    result.paintedMilliseconds = clock.ElapsedMilliseconds();

    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters))
        result.peakWorkingSet = counters.PeakWorkingSetSize;

    result.failure = CloseAndWait(process, processId, window);
    result.ok = result.failure.empty();
    return result;
}

Measurement Measure(const std::wstring& path)
{
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const Stopwatch clock;
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info)) {
        Measurement failed;
        failed.failure = L"CreateProcess failed with error " + std::to_wstring(GetLastError());
        return failed;
    }
    CloseHandle(info.hThread);
    Measurement result = MeasureOnce(info.hProcess, info.dwProcessId, clock);
    if (!result.ok && !HasExited(info.hProcess)) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, INFINITE);
    }
    CloseHandle(info.hProcess);
    return result;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::wstring FileName(const std::wstring& path)
{
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

double KiB(double bytes)
{
    return bytes / 1024.0;
}

const wchar_t* Verdict(bool met)
{
    return met ? L"met" : L"MISSED";
}

struct Series {
    explicit Series(std::wstring programPath) : path(std::move(programPath)) {}

    std::wstring path;
    std::vector<double> shown;
    std::vector<double> painted;
    std::vector<double> peakWorkingSet;
    int failures = 0;

    bool Add(const Measurement& measurement)
    {
        if (!measurement.ok) {
            ++failures;
            std::wprintf(L"  %ls: %ls\n", FileName(path).c_str(), measurement.failure.c_str());
            return false;
        }
        shown.push_back(measurement.shownMilliseconds);
        painted.push_back(measurement.paintedMilliseconds);
        peakWorkingSet.push_back(static_cast<double>(measurement.peakWorkingSet));
        return true;
    }
};

void PrintSeries(const Series& series)
{
    std::wprintf(L"  %-22ls %10.1f %10.1f %10.1f %10.1f %12.0f\n", FileName(series.path).c_str(),
                 Median(series.shown), Median(series.painted),
                 *std::min_element(series.painted.begin(), series.painted.end()),
                 *std::max_element(series.painted.begin(), series.painted.end()), KiB(Median(series.peakWorkingSet)));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: StartupBenchmark <game.exe> <bare.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : kDefaultRuns;
    Series game(argv[1]);
    Series bare(argv[2]);

    // One pair first, not counted: it pays for the cold file cache and Wine's first loads of each library.
    Measure(game.path);
    Measure(bare.path);

    std::wprintf(L"start-up until the window is painted, %d alternating runs of each (ms):\n", runs);
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run) {
        // Alternate which program goes first, so that neither always follows the other's exit.
        Measurement gameRun;
        Measurement bareRun;
        if (run % 2 == 0) {
            gameRun = Measure(game.path);
            bareRun = Measure(bare.path);
        } else {
            bareRun = Measure(bare.path);
            gameRun = Measure(game.path);
        }
        const bool gameOk = game.Add(gameRun);
        const bool bareOk = bare.Add(bareRun);
        if (gameOk && bareOk) {
            ratios.push_back(gameRun.paintedMilliseconds / bareRun.paintedMilliseconds);
            std::wprintf(L"  run %2d: game %7.1f  bare %7.1f  ratio %5.2f\n", run + 1, gameRun.paintedMilliseconds,
                         bareRun.paintedMilliseconds, ratios.back());
        }
    }
    if (ratios.empty()) {
        std::wprintf(L"no complete pair of runs\n");
        return 1;
    }

    std::wprintf(L"\n  %-22ls %10ls %10ls %10ls %10ls %12ls\n", L"program", L"shown", L"painted", L"min", L"max",
                 L"peak WS KiB");
    PrintSeries(game);
    PrintSeries(bare);

    const double ratio = Median(ratios);
    const double extraMemory = Median(game.peakWorkingSet) - Median(bare.peakWorkingSet);
    std::wprintf(L"\nmedian of the per-pair ratios game/bare: %.2f (ratio of the medians %.2f); goal <= %.1f: %ls\n",
                 ratio, Median(game.painted) / Median(bare.painted), kTimeRatioGoal,
                 Verdict(ratio <= kTimeRatioGoal));
    std::wprintf(L"peak working set, game minus bare: %.0f KiB; goal <= %.0f KiB: %ls\n", KiB(extraMemory),
                 KiB(static_cast<double>(kExtraMemoryGoal)),
                 Verdict(extraMemory <= static_cast<double>(kExtraMemoryGoal)));
    if (game.failures + bare.failures > 0)
        std::wprintf(L"failed runs: game %d, bare %d\n", game.failures, bare.failures);
    return game.failures + bare.failures > 0 ? 1 : 0;
}
