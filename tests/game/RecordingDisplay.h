#pragma once
// A GameDisplay that keeps the state a real form would show and logs every effect in order, so that the
// rule tests can assert both on the screen and on the sequence (picture before notice, notice before
// reveal).

#include "game/GameDisplay.h"

#include <array>
#include <string>
#include <vector>

class RecordingDisplay : public MyGame::GameDisplay {
public:
    RecordingDisplay()
    {
        cells.fill("__");
        for (int letter = 0; letter < kLetterButtons; ++letter)
            captions[letter] = std::string(1, static_cast<char>('A' + letter));
    }

    void SetCellText(int cell, const std::string& text) override
    {
        cells.at(cell) = text;
        log.push_back("cell " + std::to_string(cell) + " " + text);
    }
    std::string CellText(int cell) override { return cells.at(cell); }
    void PlaceCell(int cell, int wordLength) override { placedFor.at(cell) = wordLength; }
    void ShowCell(int cell, bool shown) override { cellShown.at(cell) = shown; }
    void EnableLetter(int letter, bool enabled) override { letterEnabled.at(letter) = enabled; }
    std::string LetterCaption(int letter) override { return captions.at(letter); }
    void ShowFrame(int column, int row) override
    {
        frameColumn = column;
        frameRow = row;
        log.push_back("frame " + std::to_string(column));
    }
    void SetStartCaption(const std::string& caption) override
    {
        startCaption = caption;
        log.push_back("start " + caption);
    }
    void SetScoreText(const std::string& text) override { score = text; }
    std::string ScoreText() override { return score; }
    void ShowInformation(const std::string& caption, const std::string& text) override
    {
        notices.push_back({caption, text});
        log.push_back("notice " + caption);
    }
    void Beep() override
    {
        ++beeps;
        log.push_back("beep");
    }

    // The word as the cells show it, "__" for a hidden letter.
    std::string ShownWord(int length) const
    {
        std::string shown;
        for (int cell = 0; cell < length; ++cell)
            shown += cells.at(cell);
        return shown;
    }
    int EnabledLetters() const
    {
        int count = 0;
        for (bool enabled : letterEnabled)
            count += enabled ? 1 : 0;
        return count;
    }

    struct Notice {
        std::string caption;
        std::string text;
    };

    std::array<std::string, kLetterCells> cells;
    std::array<int, kLetterCells> placedFor{};
    std::array<bool, kLetterCells> cellShown{};
    std::array<bool, kLetterButtons> letterEnabled{};
    std::array<std::string, kLetterButtons> captions;
    int frameColumn = 0;
    int frameRow = 0;
    std::string startCaption = "Inizia";
    std::string score = "0";
    std::vector<Notice> notices;
    int beeps = 0;
    std::vector<std::string> log;
};
