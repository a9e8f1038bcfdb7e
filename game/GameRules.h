#pragma once
// The rules of hangman: the draw of words without repeats, letters matched with the accents folded,
// six lives, win, loss, abandon and the score of a series. They act on the screen only through
// GameDisplay, so they build and run without a window system.

#include "game/GameDisplay.h"
#include "game/WordTable.h"

#include <array>
#include <string>
#include <vector>

namespace MyGame {

class GameRules {
public:
    static constexpr int kLives = 6;

    explicit GameRules(GameDisplay& display);

    // Rows that could never be shown or completed (too few cells, an empty word, more letters than
    // cells, a character no letter button produces) are left out of the draw.
    void SetWordTable(WordTable table);
    bool HasDrawableRows() const;

    void ToggleGame();
    void NewWord();
    void GuessLetter(int letter);
    void EndGame();

    // The generator is seeded with the time at the first draw of the run; tests seed it themselves.
    static void SeedRandom(unsigned seed);

    bool IsRunning() const { return running; }
    int Lives() const { return lives; }
    const std::string& Word() const { return word; }
    const std::vector<int>& UsedRows() const { return usedRows; }
    const WordTable& Table() const { return wordTable; }

private:
    int DrawRow();
    void LoseGame();
    void WinGame();
    static std::string ComparisonForm(const std::string& word);
    static bool IsDrawable(const std::string& line);
    bool CanPlay(int letter) const;

    GameDisplay& display;
    WordTable wordTable;
    std::vector<int> drawableRows;
    std::vector<bool> drawn;
    std::vector<int> usedRows;
    // Letters played in the current game. Their buttons are disabled, but a disabled button can still
    // be sent a click, and a letter must count once, and only while a game is on.
    std::array<bool, GameDisplay::kLetterButtons> tried{};
    std::string word;
    int lives = 0;
    bool running = false;

    static bool seeded;
};

}  // namespace MyGame
