#include "game/GameRules.h"

#include "tests/game/RecordingDisplay.h"
#include "tests/game/ShippedWordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

using MyGame::GameRules;
using MyGame::WordTable;

namespace {

constexpr int kA = 0;
int Letter(char upper) { return upper - 'A'; }

// A game with a table whose only drawable row offers the given word.
class OneWordGame : public ::testing::Test {
protected:
    void Start(const std::string& row)
    {
        GameRules::SeedRandom(1);
        rules.SetWordTable({"Sostantivi;Aggettivi;Verbi;Locuzioni varie", row});
        rules.ToggleGame();
        display.log.clear();
    }
    void Guess(const std::string& letters)
    {
        for (char letter : letters)
            rules.GuessLetter(Letter(letter));
    }

    RecordingDisplay display;
    GameRules rules{display};
};

class ShippedGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        GameRules::SeedRandom(20261211);
        rules.SetWordTable(MyGame::SplitTableLines(ReadShippedWordList()));
        ASSERT_EQ(rules.Table().size(), 488u);
    }

    RecordingDisplay display;
    GameRules rules{display};
};

}  // namespace

TEST_F(OneWordGame, StartShowsHiddenCellsForTheWordAndEnablesEveryLetter)
{
    display.score = "7";
    Start("giardino;;;");
    EXPECT_TRUE(rules.IsRunning());
    EXPECT_EQ(display.startCaption, "Abbandona");
    EXPECT_EQ(display.score, "0");
    EXPECT_EQ(rules.Word(), "giardino");
    EXPECT_EQ(rules.Lives(), 6);
    EXPECT_EQ(display.frameColumn, 6);
    EXPECT_EQ(display.frameRow, 0);
    EXPECT_EQ(display.EnabledLetters(), 26);
    for (int cell = 0; cell < 20; ++cell) {
        EXPECT_EQ(display.cells[cell], "__");
        EXPECT_EQ(display.placedFor[cell], 8);
        EXPECT_EQ(display.cellShown[cell], cell < 8) << cell;
    }
}

TEST(GuessLetter, HitShowsTheLetterAsTheTableSpellsIt)
{
    const struct {
        std::string row;
        std::string guesses;
        std::string shown;
    } cases[] = {
        {"caff\xE8;;;", "E", "________\xE8"},              // è behind the E button
        {"citt\xE0;;;", "A", "________\xE0"},
        {"citt\xE0;;;", "T", "____tt__"},                   // one press reveals both places
        {"Domenica;;;", "D", "D______________"},
        {"Domenica;;;", "DA", "D____________a"},
    };
    for (const auto& c : cases) {
        RecordingDisplay display;
        GameRules rules(display);
        rules.SetWordTable({"header", c.row});
        rules.ToggleGame();
        for (char letter : c.guesses)
            rules.GuessLetter(Letter(letter));
        EXPECT_EQ(display.ShownWord(static_cast<int>(rules.Word().size())), c.shown) << c.row;
        EXPECT_EQ(rules.Lives(), 6) << c.row;
        EXPECT_EQ(display.beeps, 0) << c.row;
    }
}

TEST_F(OneWordGame, EveryPressedLetterIsDisabled)
{
    Start("cane;;;");
    Guess("CZ");
    EXPECT_FALSE(display.letterEnabled[Letter('C')]);
    EXPECT_FALSE(display.letterEnabled[Letter('Z')]);
    EXPECT_EQ(display.EnabledLetters(), 24);
}

TEST_F(OneWordGame, MissBeepsAndAdvancesThePicture)
{
    Start("cane;;;");
    Guess("X");
    EXPECT_EQ(display.beeps, 1);
    EXPECT_EQ(rules.Lives(), 5);
    EXPECT_EQ(display.frameColumn, 5);
    Guess("Y");
    EXPECT_EQ(display.frameColumn, 4);
    EXPECT_TRUE(rules.IsRunning());
}

TEST_F(OneWordGame, SixthMissShowsTheWholeFigureThenTheNoticeThenTheWord)
{
    Start("cane;;;");
    Guess("BDFGH");
    display.log.clear();
    Guess("I");
    const std::vector<std::string> expected = {
        "beep", "frame 0", "notice Peccato",
        "cell 0 c", "cell 1 a", "cell 2 n", "cell 3 e", "start Inizia"};
    EXPECT_EQ(display.log, expected);
    ASSERT_EQ(display.notices.size(), 1u);
    EXPECT_EQ(display.notices[0].text, "Peccato non hai indovinato!");
    EXPECT_FALSE(rules.IsRunning());
    EXPECT_EQ(display.EnabledLetters(), 0);
    EXPECT_EQ(display.frameColumn, 0);
}

TEST_F(OneWordGame, WinCountsTheWordAndDrawsTheNextAtOnce)
{
    Start("cane;;;");
    display.score = "41";
    Guess("CANX");
    ASSERT_TRUE(display.notices.empty());
    Guess("E");
    ASSERT_EQ(display.notices.size(), 1u);
    EXPECT_EQ(display.notices[0].caption, "Bravo");
    EXPECT_EQ(display.notices[0].text, "Bravo hai indovinato!");
    EXPECT_EQ(display.score, "42");
    EXPECT_TRUE(rules.IsRunning());
    EXPECT_EQ(display.startCaption, "Abbandona");
    EXPECT_EQ(rules.Lives(), 6);
    EXPECT_EQ(display.frameColumn, 6);
    EXPECT_EQ(display.EnabledLetters(), 26);
    EXPECT_EQ(display.ShownWord(4), "________");
}

TEST_F(OneWordGame, WinNoticeComesBeforeTheScoreAndTheNewWord)
{
    Start("oca;;;");
    Guess("OC");
    display.log.clear();
    Guess("A");
    ASSERT_GE(display.log.size(), 2u);
    EXPECT_EQ(display.log[0], "cell 2 a");
    EXPECT_EQ(display.log[1], "notice Bravo");
    EXPECT_EQ(display.log[2], "cell 0 __");
}

TEST_F(OneWordGame, AbandonShowsTheWordAndKeepsPictureAndScore)
{
    Start("giardino;;;");
    display.score = "3";
    Guess("GXY");
    rules.ToggleGame();
    EXPECT_FALSE(rules.IsRunning());
    EXPECT_EQ(display.ShownWord(8), "giardino");
    EXPECT_EQ(display.EnabledLetters(), 0);
    EXPECT_EQ(display.frameColumn, 4);
    EXPECT_EQ(display.score, "3");
    EXPECT_EQ(display.startCaption, "Inizia");
    EXPECT_TRUE(display.notices.empty());

    rules.ToggleGame();
    EXPECT_EQ(display.score, "0");
    EXPECT_EQ(display.startCaption, "Abbandona");
}

TEST_F(OneWordGame, LetterWithoutCaptionIsAMiss)
{
    Start("cane;;;");
    display.captions[kA] = "";
    rules.GuessLetter(kA);
    EXPECT_EQ(rules.Lives(), 5);
    EXPECT_EQ(display.ShownWord(4), "________");
}

TEST(BadTables, NeverStartASeriesWhenNothingCanBeDrawn)
{
    const std::string header = "Sostantivi;Aggettivi;Verbi;Locuzioni varie";
    const struct {
        const char* what;
        WordTable table;
    } cases[] = {
        {"empty", {}},
        {"header only", {header}},
        {"an empty line", {header, ""}},
        {"fewer than three cells", {header, "casa;bella", "casa", "casa;"}},
        {"an empty word", {header, ";;;", ";bello;;"}},
        {"21 letters", {header, "abcdefghijklmnopqrstu;;;"}},
        {"a letter no button makes", {header, "perch\xE9;;;", "l'uomo;;;", "due parole;;;", "casa1;;;",
                                      "\x80uro;;;", std::string("ca\0sa;;;", 8)}},
    };
    for (const auto& c : cases) {
        RecordingDisplay display;
        GameRules rules(display);
        rules.SetWordTable(c.table);
        rules.ToggleGame();
        EXPECT_FALSE(rules.HasDrawableRows()) << c.what;
        EXPECT_FALSE(rules.IsRunning()) << c.what;
        EXPECT_EQ(display.startCaption, "Inizia") << c.what;
        EXPECT_TRUE(display.log.empty()) << c.what;
    }
}

TEST(BadTables, DrawOnlyTheGoodRows)
{
    GameRules::SeedRandom(5);
    RecordingDisplay display;
    GameRules rules(display);
    rules.SetWordTable({"header", "casa;", "abcdefghijklmnopqrst;;;", "perch\xE9;;;", "gatto;;;", "x;y", "lupo;;;"});
    const std::set<std::string> good = {"abcdefghijklmnopqrst", "gatto", "lupo"};
    rules.ToggleGame();
    for (int draw = 0; draw < 30; ++draw) {
        EXPECT_EQ(good.count(rules.Word()), 1u) << rules.Word();
        rules.NewWord();
    }
}

TEST_F(ShippedGame, DrawsEveryRowOnceBeforeStartingANewCycle)
{
    rules.ToggleGame();
    for (int draw = 1; draw < 487; ++draw)
        rules.NewWord();
    std::vector<int> rows = rules.UsedRows();
    ASSERT_EQ(rows.size(), 487u);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end());
    EXPECT_EQ(rows.front(), 1);
    EXPECT_EQ(rows.back(), 487);

    rules.NewWord();
    ASSERT_EQ(rules.UsedRows().size(), 1u);
    EXPECT_GE(rules.UsedRows()[0], 1);
}

TEST_F(ShippedGame, ANewSeriesKeepsTheDrawCycle)
{
    rules.ToggleGame();
    rules.NewWord();
    rules.ToggleGame();   // abandon
    rules.ToggleGame();   // a new series
    EXPECT_EQ(rules.UsedRows().size(), 3u);
    EXPECT_EQ(std::set<int>(rules.UsedRows().begin(), rules.UsedRows().end()).size(), 3u);
}

TEST_F(ShippedGame, EveryWordOfTheTableCanBeWon)
{
    rules.ToggleGame();
    for (int game = 0; game < 487; ++game) {
        const std::string word = rules.Word();
        const std::size_t before = display.notices.size();
        for (char letter = 'A'; letter <= 'Z' && display.notices.size() == before; ++letter) {
            std::string folded = word;
            for (char& c : folded) {
                const unsigned char u = static_cast<unsigned char>(c);
                if (u == 0xE0) c = 'a';
                if (u == 0xE8) c = 'e';
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            }
            if (folded.find(letter) != std::string::npos)
                rules.GuessLetter(Letter(letter));
        }
        ASSERT_EQ(display.notices.size(), before + 1) << word;
        ASSERT_EQ(display.notices.back().caption, "Bravo") << word;
    }
    EXPECT_EQ(display.score, "487");
}

TEST(GuessLetter, CountsOnlyOnceAndOnlyDuringAGame)
{
    RecordingDisplay display;
    GameRules rules(display);
    rules.SetWordTable({"header", "cane;;;"});
    rules.GuessLetter(Letter('X'));
    EXPECT_TRUE(display.log.empty()) << "no game yet";

    rules.ToggleGame();
    rules.GuessLetter(Letter('X'));
    rules.GuessLetter(Letter('X'));
    rules.GuessLetter(-1);
    rules.GuessLetter(26);
    EXPECT_EQ(rules.Lives(), 5);
    EXPECT_EQ(display.beeps, 1);

    rules.ToggleGame();  // abandon
    display.log.clear();
    rules.GuessLetter(Letter('Y'));
    EXPECT_TRUE(display.log.empty()) << "after the game";
    EXPECT_EQ(rules.Lives(), 5);
}
