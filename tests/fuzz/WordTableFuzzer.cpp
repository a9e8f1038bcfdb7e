// Any bytes as the word table's resource text. The text must cut into lines and cells that join back
// into it, every line must offer the word the table's rule picks from its own cells, and the rules must
// take the table, start nothing when no line can be drawn, and otherwise play series of games against a
// recording display: every word drawn comes from a data line not yet drawn in the cycle, fits the letter
// cells, can be spelled with the letter buttons, and every game ends within the 26 letters.

#include "game/GameRules.h"
#include "game/WordTable.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/game/RecordingDisplay.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

using MyGame::GameDisplay;
using MyGame::GameRules;
using MyGame::WordTable;

namespace {

constexpr int kSeries = 2;
constexpr int kGamesPerSeries = 6;

void CheckLine(const std::string& line)
{
    const std::vector<std::string> cells = MyGame::SplitRow(line);
    if (line.empty())
        FUZZ_CHECK(cells.empty());
    else
        CheckSplit(line, ";", cells);

    const std::string noun = cells.empty() ? std::string() : cells[0];
    const std::string verb = cells.size() > 2 ? cells[2] : std::string();
    const std::string word = MyGame::RowWord(line);
    FUZZ_CHECK(word == (noun.size() < 5 && verb.size() >= 5 ? verb : noun));
}

// The letter that the player presses for a character of a word, or 0 when no button gives it.
char ButtonLetter(char c)
{
    const std::string accented = "\xE0\xF2\xE8\xF9\xEC";  // à ò è ù ì
    const std::size_t fold = accented.find(c);
    if (fold != std::string::npos)
        c = "aoeui"[fold];
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    return c >= 'A' && c <= 'Z' ? c : 0;
}

void CheckFreshGame(const GameRules& rules, const RecordingDisplay& display, const WordTable& table)
{
    const std::vector<int>& used = rules.UsedRows();
    FUZZ_CHECK(!used.empty());
    const int row = used.back();
    FUZZ_CHECK(row >= 1 && static_cast<std::size_t>(row) < table.size());
    FUZZ_CHECK(std::count(used.begin(), used.end(), row) == 1);

    const std::string& word = rules.Word();
    FUZZ_CHECK(word == MyGame::RowWord(table[row]));
    FUZZ_CHECK(!word.empty() && word.size() <= static_cast<std::size_t>(GameDisplay::kLetterCells));
    for (char c : word)
        FUZZ_CHECK(ButtonLetter(c) != 0);
    for (int cell = 0; cell < GameDisplay::kLetterCells; ++cell) {
        FUZZ_CHECK(display.cellShown[cell] == (static_cast<std::size_t>(cell) < word.size()));
        FUZZ_CHECK(display.cells[cell] == "__");
    }
    FUZZ_CHECK(display.EnabledLetters() == GameDisplay::kLetterButtons);
    FUZZ_CHECK(rules.Lives() == GameRules::kLives);
}

// Letters from A on until the game ends, as a player without a plan would press them.
void PlayOneGame(GameRules& rules, RecordingDisplay& display)
{
    const std::string word = rules.Word();
    const std::size_t noticesBefore = display.notices.size();
    for (int letter = 0; letter < GameDisplay::kLetterButtons && display.notices.size() == noticesBefore;
         ++letter) {
        if (display.letterEnabled[letter])
            rules.GuessLetter(letter);
    }
    FUZZ_CHECK(display.notices.size() == noticesBefore + 1);
    if (display.notices.back().caption == "Peccato") {
        FUZZ_CHECK(!rules.IsRunning());
        FUZZ_CHECK(display.ShownWord(static_cast<int>(word.size())) == word);
        FUZZ_CHECK(display.EnabledLetters() == 0);
    } else {
        FUZZ_CHECK(display.notices.back().caption == "Bravo");
        FUZZ_CHECK(rules.IsRunning());
    }
}

void PlaySeries(GameRules& rules, RecordingDisplay& display, const WordTable& table)
{
    rules.ToggleGame();
    FUZZ_CHECK(rules.IsRunning() && display.startCaption == "Abbandona" && display.score == "0");
    for (int game = 0; game < kGamesPerSeries && rules.IsRunning(); ++game) {
        CheckFreshGame(rules, display, table);
        PlayOneGame(rules, display);
    }
    if (rules.IsRunning()) {
        const std::string word = rules.Word();
        rules.ToggleGame();
        FUZZ_CHECK(!rules.IsRunning() && display.startCaption == "Inizia");
        FUZZ_CHECK(display.ShownWord(static_cast<int>(word.size())) == word);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const WordTable table = MyGame::SplitTableLines(text);
    if (text.empty())
        FUZZ_CHECK(table.empty());
    else
        CheckSplit(text, "\r\n", table);
    for (const std::string& line : table)
        CheckLine(line);

    RecordingDisplay display;
    GameRules rules(display);
    GameRules::SeedRandom(static_cast<unsigned>(size));
    rules.SetWordTable(table);
    FUZZ_CHECK(rules.Table() == table);
    if (!rules.HasDrawableRows()) {
        rules.ToggleGame();
        FUZZ_CHECK(!rules.IsRunning() && display.startCaption == "Inizia" && display.EnabledLetters() == 0);
        return 0;
    }
    for (int series = 0; series < kSeries; ++series)
        PlaySeries(rules, display, table);
    return 0;
}
