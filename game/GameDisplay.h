#pragma once
// What the rules of the game may do to the screen. The main form implements it with its controls; the
// rule tests implement it with a recorder. Texts are code page 1252.

#include <string>

namespace MyGame {

class GameDisplay {
public:
    static constexpr int kLetterCells = 20;
    static constexpr int kLetterButtons = 26;

    virtual ~GameDisplay() = default;

    virtual void SetCellText(int cell, const std::string& text) = 0;
    virtual std::string CellText(int cell) = 0;
    // Places a cell where it belongs for a word of wordLength letters.
    virtual void PlaceCell(int cell, int wordLength) = 0;
    virtual void ShowCell(int cell, bool shown) = 0;

    virtual void EnableLetter(int letter, bool enabled) = 0;
    virtual std::string LetterCaption(int letter) = 0;

    virtual void ShowFrame(int column, int row) = 0;
    virtual void SetStartCaption(const std::string& caption) = 0;
    virtual void SetScoreText(const std::string& text) = 0;
    virtual std::string ScoreText() = 0;

    // Blocks until the player has closed the box.
    virtual void ShowInformation(const std::string& caption, const std::string& text) = 0;
    virtual void Beep() = 0;
};

}  // namespace MyGame
