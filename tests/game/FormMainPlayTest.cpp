#include "tests/game/FormMainFixture.h"

#include "tests/gui/MessageBoxAnswerer.h"
#include "toolkit/controls/ImageFrame.h"
#include "toolkit/controls/SubMenu.h"
#include "toolkit/core/MessageLoop.h"

#include <functional>

using TestSupport::MessageBoxAnswerer;
using TestSupport::PumpMessages;

namespace {

int EnabledLetters(MyGame::FormMain* form)
{
    int count = 0;
    for (Kestrum::Button* button : form->letterButtons)
        count += IsWindowEnabled(button->hwnd) ? 1 : 0;
    return count;
}

// Everything the player can see of a game, to prove that something changed nothing.
struct Snapshot {
    std::string word;
    std::vector<std::string> cells;
    int lives;
    std::string score;
    std::string startCaption;
    int enabledLetters;
    int frameColumn;

    bool operator==(const Snapshot& other) const
    {
        return word == other.word && cells == other.cells && lives == other.lives && score == other.score &&
               startCaption == other.startCaption && enabledLetters == other.enabledLetters &&
               frameColumn == other.frameColumn;
    }
};

Snapshot Take(MyGame::FormMain* form)
{
    Snapshot snapshot{form->rules.Word(), {}, form->rules.Lives(), form->scoreCell->GetNarrowText(),
                      form->startButton->GetNarrowText(), EnabledLetters(form), form->hangmanFrame->column};
    for (Kestrum::CellControl* cell : form->letterCells)
        snapshot.cells.push_back(cell->GetNarrowText());
    return snapshot;
}

}  // namespace

TEST_F(FormMainTest, StartDrawsAWordAndOpensTheLetters)
{
    Click(form->startButton);
    const std::size_t length = form->rules.Word().size();
    ASSERT_GE(length, 3u);
    EXPECT_EQ(form->startButton->GetNarrowText(), "Abbandona");
    EXPECT_EQ(form->scoreCell->GetNarrowText(), "0");
    EXPECT_EQ(EnabledLetters(form), 26);
    EXPECT_EQ(form->hangmanFrame->column, 6);
    for (std::size_t cell = 0; cell < 20; ++cell) {
        EXPECT_EQ(IsWindowVisible(form->letterCells[cell]->hwnd) != FALSE, cell < length) << cell;
        if (cell < length) {
            EXPECT_EQ(form->letterCells[cell]->GetNarrowText(), "__");
            EXPECT_EQ(form->letterCells[cell]->x, static_cast<int>(28 * cell + 310 - 14 * length));
            EXPECT_EQ(form->letterCells[cell]->y, 260);
        }
    }
}

TEST_F(FormMainTest, HitRevealsTheLetterAndMissAdvancesThePicture)
{
    Click(form->startButton);
    const char hit = FoldedWord()[0];
    Click(LetterButton(hit));
    EXPECT_EQ(ShownWord().substr(0, 1), form->rules.Word().substr(0, 1));
    EXPECT_FALSE(IsWindowEnabled(LetterButton(hit)->hwnd));
    EXPECT_EQ(form->hangmanFrame->column, 6);

    const char miss = MissingLetter();
    Click(LetterButton(miss));
    EXPECT_FALSE(IsWindowEnabled(LetterButton(miss)->hwnd));
    EXPECT_EQ(form->rules.Lives(), 5);
    EXPECT_EQ(form->hangmanFrame->column, 5);
}

TEST_F(FormMainTest, WinTellsBravoCountsTheWordAndDrawsTheNext)
{
    MessageBoxAnswerer answerer({IDOK});
    Click(form->startButton);
    const std::string first = form->rules.Word();
    GuessWholeWord();

    ASSERT_EQ(answerer.Boxes().size(), 1u);
    const MessageBoxAnswerer::Box& box = answerer.Boxes()[0];
    EXPECT_EQ(box.caption, L"Bravo");
    EXPECT_EQ(box.text, L"Bravo hai indovinato!");
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_FALSE(box.hasIcon);
    EXPECT_EQ(box.owner, form->hwnd);
    EXPECT_TRUE(box.enabledWindows.empty()) << "the box is task-modal";

    EXPECT_EQ(form->scoreCell->GetNarrowText(), "1");
    EXPECT_NE(form->rules.Word(), first);
    EXPECT_EQ(form->rules.Lives(), 6);
    EXPECT_EQ(form->hangmanFrame->column, 6);
    EXPECT_EQ(EnabledLetters(form), 26);
    EXPECT_EQ(form->startButton->GetNarrowText(), "Abbandona");
}

TEST_F(FormMainTest, SixthMissTellsPeccatoThenShowsTheWord)
{
    MessageBoxAnswerer answerer({IDOK});
    Click(form->startButton);
    char miss = '@';
    for (int wrong = 0; wrong < 6; ++wrong) {
        miss = MissingLetter(miss);
        Click(LetterButton(miss));
    }
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_EQ(answerer.Boxes()[0].caption, L"Peccato");
    EXPECT_EQ(answerer.Boxes()[0].text, L"Peccato non hai indovinato!");
    EXPECT_EQ(answerer.Boxes()[0].owner, form->hwnd);
    EXPECT_EQ(form->hangmanFrame->column, 0);
    EXPECT_EQ(ShownWord(), form->rules.Word());
    EXPECT_EQ(EnabledLetters(form), 0);
    EXPECT_EQ(form->startButton->GetNarrowText(), "Inizia");
    EXPECT_FALSE(form->rules.IsRunning());
}

TEST_F(FormMainTest, AbandonShowsTheWordAndTheNextStartResetsTheScore)
{
    MessageBoxAnswerer answerer({IDOK});
    Click(form->startButton);
    GuessWholeWord();
    ASSERT_EQ(form->scoreCell->GetNarrowText(), "1");
    Click(LetterButton(MissingLetter()));

    Click(form->startButton);
    EXPECT_EQ(ShownWord(), form->rules.Word());
    EXPECT_EQ(EnabledLetters(form), 0);
    EXPECT_EQ(form->hangmanFrame->column, 5);
    EXPECT_EQ(form->scoreCell->GetNarrowText(), "1");
    EXPECT_EQ(form->startButton->GetNarrowText(), "Inizia");

    Click(form->startButton);
    EXPECT_EQ(form->scoreCell->GetNarrowText(), "0");
    EXPECT_EQ(form->startButton->GetNarrowText(), "Abbandona");
}

TEST_F(FormMainTest, TabAndSpacePlayTheGame)
{
    SetForegroundWindow(form->hwnd);
    form->startButton->Focus();
    const auto press = [](UINT key) {
        const HWND focused = GetFocus();
        SendMessageW(focused, WM_KEYDOWN, key, 0);
        SendMessageW(focused, WM_KEYUP, key, 0xC0000000);
        PumpMessages();
    };
    press(VK_SPACE);
    ASSERT_TRUE(form->rules.IsRunning());
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), form->infoButton->hwnd);
    press(VK_TAB);
    EXPECT_EQ(GetFocus(), form->closeButton->hwnd);
    press(VK_TAB);
    ASSERT_EQ(GetFocus(), LetterButton('A')->hwnd);
    const int livesBefore = form->rules.Lives();
    press(VK_SPACE);
    EXPECT_FALSE(IsWindowEnabled(LetterButton('A')->hwnd));
    EXPECT_EQ(form->rules.Lives(), livesBefore - (WordHas('A') ? 0 : 1));
}

TEST_F(FormMainTest, TypedLettersChangeNothing)
{
    Click(form->startButton);
    const Snapshot before = Take(form);
    for (HWND target : {form->hwnd, form->startButton->hwnd, LetterButton('B')->hwnd}) {
        for (char letter : std::string("aeiouAEIOU")) {
            SendMessageW(target, WM_CHAR, letter, 0);
            PumpMessages();
        }
    }
    EXPECT_TRUE(Take(form) == before);
}

TEST_F(FormMainTest, EveryWayOfClosingAsksAndNoKeepsTheGame)
{
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"Chiudi", [&] { Click(form->closeButton); }},
        {"&Esci", [&] { SendMessageW(form->hwnd, WM_COMMAND, MAKEWPARAM(form->exitItem->id, 0), 0); }},
        {"WM_CLOSE", [&] { SendMessageW(form->hwnd, WM_CLOSE, 0, 0); }},
        {"close box", [&] { SendMessageW(form->hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    Click(form->startButton);
    Click(LetterButton(MissingLetter()));
    for (const auto& way : ways) {
        const Snapshot before = Take(form);
        MessageBoxAnswerer answerer({IDNO});
        way.second();
        PumpMessages();
        ASSERT_EQ(answerer.Boxes().size(), 1u) << way.first;
        const MessageBoxAnswerer::Box& box = answerer.Boxes()[0];
        EXPECT_EQ(box.caption, L"Uscita") << way.first;
        EXPECT_EQ(box.text, L"Vuoi realmente uscire?") << way.first;
        EXPECT_EQ(box.buttonIds, (std::vector<int>{IDYES, IDNO})) << way.first;
        EXPECT_TRUE(box.hasIcon) << way.first;
        EXPECT_EQ(box.owner, nullptr) << way.first;
        EXPECT_TRUE(IsWindow(form->hwnd)) << way.first;
        EXPECT_TRUE(Take(form) == before) << way.first;
    }
}

TEST_F(FormMainTest, YesClosesTheWindowAndEndsTheMessageLoop)
{
    MessageBoxAnswerer answerer({IDYES});
    PostMessageW(form->hwnd, WM_CLOSE, 0, 0);
    Kestrum::RunMessageLoop(form);
    ASSERT_EQ(answerer.Boxes().size(), 1u);
    EXPECT_FALSE(IsWindow(form->hwnd));
    EXPECT_TRUE(form->destroyed);
}
