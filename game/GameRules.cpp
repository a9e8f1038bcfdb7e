#include "game/GameRules.h"

#include "support/TextHelpers.h"

#include <cstdlib>
#include <ctime>

namespace MyGame {

namespace {

const char* const kHiddenLetter = "__";
const char* const kStartCaption = "Inizia";
const char* const kAbandonCaption = "Abbandona";

// Accented vowels and the plain letter whose button reveals them, in the order they are folded.
const char* const kAccentFolds[][2] = {
    {"\xE0", "a"},  // à
    {"\xF2", "o"},  // ò
    {"\xE8", "e"},  // è
    {"\xF9", "u"},  // ù
    {"\xEC", "i"},  // ì
};

// rand() may give as few as 15 bits; a table can hold more rows than that.
std::size_t RandomBelow(std::size_t count)
{
    const unsigned long long base = static_cast<unsigned long long>(RAND_MAX) + 1;
    unsigned long long value = static_cast<unsigned long long>(std::rand());
    for (unsigned long long range = base; range < count; range *= base)
        value = value * base + static_cast<unsigned long long>(std::rand());
    return static_cast<std::size_t>(value % count);
}

int WordLength(const std::string& word)
{
    return static_cast<int>(word.size());
}

}  // namespace

bool GameRules::seeded = false;

GameRules::GameRules(GameDisplay& display) : display(display) {}

void GameRules::SeedRandom(unsigned seed)
{
    std::srand(seed);
    seeded = true;
}

void GameRules::SetWordTable(WordTable table)
{
    wordTable = std::move(table);
    drawableRows.clear();
    for (std::size_t row = 1; row < wordTable.size(); ++row) {
        if (IsDrawable(wordTable[row]))
            drawableRows.push_back(static_cast<int>(row));
    }
    drawn.assign(wordTable.size(), false);
    usedRows.clear();
}

bool GameRules::HasDrawableRows() const
{
    return !drawableRows.empty();
}

bool GameRules::IsDrawable(const std::string& line)
{
    if (SplitRow(line).size() < 3)
        return false;
    const std::string candidate = RowWord(line);
    if (candidate.empty() || WordLength(candidate) > GameDisplay::kLetterCells)
        return false;
    for (char letter : ComparisonForm(candidate)) {
        if (letter < 'A' || letter > 'Z')
            return false;
    }
    return true;
}

std::string GameRules::ComparisonForm(const std::string& word)
{
    std::string folded = word;
    for (const auto& fold : kAccentFolds)
        folded = Kestrum::ReplaceAll(folded, fold[0], fold[1]);
    return Kestrum::UpperCaseText(folded);
}

void GameRules::ToggleGame()
{
    if (!running) {
        if (!HasDrawableRows())
            return;
        display.SetScoreText("0");
        NewWord();
        display.SetStartCaption(kAbandonCaption);
    } else {
        EndGame();
    }
    running = !running;
}

// Each drawable row comes up once per cycle; the cycle restarts when every one has been drawn, and
// lives on across series.
int GameRules::DrawRow()
{
    if (usedRows.size() >= drawableRows.size()) {
        usedRows.clear();
        drawn.assign(wordTable.size(), false);
    }
    if (!seeded) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        seeded = true;
    }
    std::vector<int> remaining;
    remaining.reserve(drawableRows.size() - usedRows.size());
    for (int row : drawableRows) {
        if (!drawn[row])
            remaining.push_back(row);
    }
    const int row = remaining[RandomBelow(remaining.size())];
    drawn[row] = true;
    usedRows.push_back(row);
    return row;
}

void GameRules::NewWord()
{
    if (!HasDrawableRows())
        return;
    word = RowWord(wordTable[DrawRow()]);
    const int length = WordLength(word);
    for (int cell = 0; cell < GameDisplay::kLetterCells; ++cell) {
        display.SetCellText(cell, kHiddenLetter);
        display.PlaceCell(cell, length);
        display.ShowCell(cell, cell < length);
    }
    lives = kLives;
    tried.fill(false);
    display.ShowFrame(lives, 0);
    for (int letter = 0; letter < GameDisplay::kLetterButtons; ++letter)
        display.EnableLetter(letter, true);
}

bool GameRules::CanPlay(int letter) const
{
    return running && lives > 0 && letter >= 0 && letter < GameDisplay::kLetterButtons && !tried[letter];
}

void GameRules::GuessLetter(int letter)
{
    if (!CanPlay(letter))
        return;
    tried[letter] = true;
    const std::string comparison = ComparisonForm(word);
    const std::string caption = display.LetterCaption(letter);
    const char guessed = caption.empty() ? '\0' : caption[0];
    bool hit = false;
    bool complete = true;
    for (int i = 0; i < WordLength(word) && i < GameDisplay::kLetterCells; ++i) {
        if (comparison[i] == guessed) {
            hit = true;
            display.SetCellText(i, std::string(1, word[i]));
        }
        if (display.CellText(i) == kHiddenLetter)
            complete = false;
    }
    display.EnableLetter(letter, false);

    if (!hit) {
        display.Beep();
        --lives;
        display.ShowFrame(lives, 0);
        if (lives == 0)
            LoseGame();
    } else if (complete) {
        WinGame();
    }
}

void GameRules::LoseGame()
{
    display.ShowInformation("Peccato", "Peccato non hai indovinato!");
    EndGame();
    running = false;
}

void GameRules::WinGame()
{
    display.ShowInformation("Bravo", "Bravo hai indovinato!");
    const long long score = std::strtoll(display.ScoreText().c_str(), nullptr, 10);
    display.SetScoreText(Kestrum::NumberText(score + 1));
    NewWord();
}

void GameRules::EndGame()
{
    const int length = WordLength(word);
    for (int letter = 0; letter < GameDisplay::kLetterButtons; ++letter) {
        display.EnableLetter(letter, false);
        if (letter < length && letter < GameDisplay::kLetterCells)
            display.SetCellText(letter, std::string(1, word[letter]));
    }
    display.SetStartCaption(kStartCaption);
}

}  // namespace MyGame
