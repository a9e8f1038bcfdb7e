// A long session played through the real buttons, with real message boxes answered: wins, losses,
// abandons, restarts and About boxes. Afterwards the GDI objects, the windows and the private memory of
// the process must be what they were after the first game. ZELVANTO_SOAK_GAMES sets the number of games
// (2000 by default; bench/ runs it longer).

#include "tests/game/FormMainFixture.h"

#include "tests/gui/GdiObjectCounter.h"
#include "tests/gui/MessageBoxAnswerer.h"
#include "toolkit/about/FormAbout.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>

using TestSupport::GdiObjectRoom;

namespace {

// What may grow with the number of games played: heap that the C runtime and Wine keep for reuse.
constexpr long long kMemoryBound = 256 * 1024;

int SessionGames()
{
    const char* games = std::getenv("ZELVANTO_SOAK_GAMES");
    return games != nullptr && std::atoi(games) > 0 ? std::atoi(games) : 2000;
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter)
{
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK CountWindowAndChildren(HWND window, LPARAM counter)
{
    CountWindow(window, counter);
    EnumChildWindows(window, CountWindow, counter);
    return TRUE;
}

// The thread's top-level windows and all their descendants.
int CountWindows()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}

// The process's commit charge, which Windows reports as both PagefileUsage and PrivateUsage; Wine fills
// in only the first.
long long PrivateMemory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long long>(counters.PagefileUsage);
}

struct Footprint {
    int gdiRoom;
    int windows;
    long long privateMemory;
    std::size_t elements;
};

Footprint Measure()
{
    TestSupport::PumpMessages();
    return {GdiObjectRoom(), CountWindows(), PrivateMemory(), Kestrum::allElements.size()};
}

class Soak : public FormMainTest {
protected:
    void StartIfIdle()
    {
        if (!form->rules.IsRunning())
            Click(form->startButton);
    }

    void Lose()
    {
        char miss = '@';
        while (form->rules.IsRunning() && (miss = MissingLetter(miss)) != 0)
            Click(LetterButton(miss));
    }

    void AbandonAfterOneMiss()
    {
        Click(LetterButton(MissingLetter()));
        Click(form->startButton);
    }

    void OpenAndCloseAbout()
    {
        Click(form->infoButton);
        Click(form->aboutForm->okButton);
    }

    // One answerer a game, so that the records of 2000 boxes do not count as the game's memory.
    void PlayGame(int game)
    {
        TestSupport::MessageBoxAnswerer answerer({IDOK});
        StartIfIdle();
        switch (game % 4) {
        case 0:
        case 1: GuessWholeWord(); break;
        case 2: Lose(); break;
        default: AbandonAfterOneMiss(); break;
        }
        if (game % 10 == 9)
            OpenAndCloseAbout();
        boxes += static_cast<int>(answerer.Boxes().size());
    }

    int boxes = 0;
};

}  // namespace

TEST_F(Soak, LongPlayLeavesNoObjectsWindowsOrMemoryBehind)
{
    const int games = SessionGames();
    PlayGame(0);
    OpenAndCloseAbout();
    const Footprint first = Measure();

    for (int game = 1; game <= games; ++game)
        PlayGame(game);
    const Footprint last = Measure();

    std::printf("games %d, boxes %d, GDI room %d -> %d, windows %d -> %d, private memory %lld -> %lld bytes\n",
                games, boxes, first.gdiRoom, last.gdiRoom, first.windows, last.windows,
                first.privateMemory, last.privateMemory);
    // Every win and every loss shows one box.
    EXPECT_GE(boxes, games / 2);
    EXPECT_EQ(last.gdiRoom, first.gdiRoom);
    EXPECT_EQ(last.windows, first.windows);
    EXPECT_EQ(last.elements, first.elements);
    EXPECT_LE(last.privateMemory - first.privateMemory, kMemoryBound);
}
