// The real main form over a word table that the shipped one never is. CMake builds this file once for
// each table named in tests/game/hostile/CMakeLists.txt, with that table as the executable's resource
// 1008 and ZELVANTO_HOSTILE_TABLE set to its name; the suite is named after the table, so that CTest
// tells the executables apart. Whatever the table, the game starts and shows its form; a table without a
// row that can be shown and completed starts no series, and any other table asks only for the words of
// those rows.

#include "tests/game/FormMainFixture.h"
#include "tests/gui/MessageBoxAnswerer.h"
#include "toolkit/controls/ImageFrame.h"

#include <set>
#include <string>
#include <vector>

#define ZELVANTO_JOIN(a, b) ZELVANTO_JOIN_EXPANDED(a, b)
#define ZELVANTO_JOIN_EXPANDED(a, b) a##b
#define ZELVANTO_TEXT(a) ZELVANTO_TEXT_EXPANDED(a)
#define ZELVANTO_TEXT_EXPANDED(a) #a
#define HOSTILE_TABLE_SUITE ZELVANTO_JOIN(HostileTable, ZELVANTO_HOSTILE_TABLE)

using TestSupport::MessageBoxAnswerer;

namespace {

struct TableExpectation {
    const char* table;
    std::size_t lines;            // what the loader makes of the table
    std::string lastLine;         // the last of those lines, byte for byte
    std::set<std::string> words;  // the words of the good rows: all that a series may ask for
};

const std::string kHeader = "Sostantivi;Aggettivi;Verbi;Locuzioni varie";

const TableExpectation kExpectations[] = {
    {"Missing", 0, "", {}},
    {"Empty", 0, "", {}},
    {"HeaderOnly", 1, kHeader, {}},
    // Without "\r\n" the whole text is one line, which is taken for the header.
    {"LineFeedsOnly", 1, kHeader + "\ncosa;questo;essere;il\nlago;;;\n", {}},
    {"NoFinalLineEnd", 3, "lago;;;", {"essere", "lago"}},
    {"FewCells", 8, "cosa;questo", {}},
    {"LongWords", 7, "re;;tuvwxyzabcdefghijklm;", {"abcdefghijklmnopqrst", "tuvwxyzabcdefghijklm"}},
    {"ControlBytes", 35, "cosa;\x80\x9F;essere;\x85", {"essere"}},
    {"ZeroByte", 5, std::string("cosa;\0;essere;\0", 15), {"essere"}},
    {"PartlyBad", 23, "lago;;;",
     {"essere", "citt\xE0", "caff\xE8", "Domenica", "pi\xF9", "abcdefghijklmnopqrst", "uomo", "battere",
      "cos\xEC", "per\xF2", "lago"}},
    {"Large", 57001, "abcdefghijklmnopqrstuvwxyz;;;", {"essere", "citt\xE0", "lago"}},
};

const TableExpectation& ExpectedOfThisTable()
{
    const std::string table = ZELVANTO_TEXT(ZELVANTO_HOSTILE_TABLE);
    for (const TableExpectation& expected : kExpectations) {
        if (table == expected.table)
            return expected;
    }
    ADD_FAILURE() << "no expectation for the table " << table;
    return kExpectations[0];
}

// The letters the player presses for a word: the five folded accents, then upper case.
std::string LettersOf(const std::string& word)
{
    const std::string accented = "\xE0\xF2\xE8\xF9\xEC";  // à ò è ù ì
    const std::string plain = "aoeui";
    std::string letters;
    for (char c : word) {
        const std::size_t fold = accented.find(c);
        if (fold != std::string::npos)
            c = plain[fold];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        letters += c;
    }
    return letters;
}

}  // namespace

class HOSTILE_TABLE_SUITE : public FormMainTest {
protected:
    int EnabledLetters()
    {
        int count = 0;
        for (Kestrum::Button* button : form->letterButtons)
            count += IsWindowEnabled(button->hwnd) ? 1 : 0;
        return count;
    }

    // The cells on screen, in order, with their texts.
    std::vector<std::string> VisibleCells()
    {
        std::vector<std::string> texts;
        for (Kestrum::CellControl* cell : form->letterCells) {
            if (IsWindowVisible(cell->hwnd))
                texts.push_back(cell->GetNarrowText());
        }
        return texts;
    }

    void ExpectIdleBeforeAnySeries()
    {
        EXPECT_FALSE(form->rules.IsRunning());
        EXPECT_EQ(form->startButton->GetNarrowText(), "Inizia");
        EXPECT_EQ(EnabledLetters(), 0);
        EXPECT_EQ(VisibleCells(), std::vector<std::string>(5, "__"));
        EXPECT_EQ(form->hangmanFrame->column, 0);
        EXPECT_EQ(form->scoreCell->GetNarrowText(), "0");
    }

    void ExpectFreshGameOf(const std::string& word)
    {
        EXPECT_EQ(form->startButton->GetNarrowText(), "Abbandona");
        EXPECT_EQ(VisibleCells(), std::vector<std::string>(word.size(), "__")) << word;
        EXPECT_EQ(EnabledLetters(), 26);
        EXPECT_EQ(form->rules.Lives(), 6);
        EXPECT_EQ(form->hangmanFrame->column, 6);
    }

    // Each letter of the word once: the last press wins.
    void PlayWholeWord(const std::string& word)
    {
        std::string pressed;
        for (char letter : LettersOf(word)) {
            if (pressed.find(letter) == std::string::npos) {
                pressed += letter;
                Click(LetterButton(letter));
            }
        }
    }

    void MissOnce(const std::string& word)
    {
        const std::string letters = LettersOf(word);
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            if (letters.find(letter) == std::string::npos) {
                Click(LetterButton(letter));
                EXPECT_EQ(form->rules.Lives(), 5) << word;
                return;
            }
        }
    }

    const TableExpectation& expected = ExpectedOfThisTable();
};

TEST_F(HOSTILE_TABLE_SUITE, ShowsTheIdleFormWithTheLinesItCouldRead)
{
    ASSERT_TRUE(IsWindowVisible(form->hwnd));
    const MyGame::WordTable& table = form->rules.Table();
    EXPECT_EQ(table.size(), expected.lines);
    EXPECT_EQ(table.empty() ? std::string() : table.back(), expected.lastLine);
    EXPECT_EQ(form->rules.HasDrawableRows(), !expected.words.empty());
    ExpectIdleBeforeAnySeries();
}

// With no good row the start button starts nothing, however often it is pressed. Otherwise series are
// played, won and abandoned until every good row has come up a few times: each word drawn must be one of
// theirs, shown in full, and every one of them must come up.
TEST_F(HOSTILE_TABLE_SUITE, StartPlaysOnlyTheGoodRows)
{
    const int draws = 3 * static_cast<int>(expected.words.size()) + 2;
    MessageBoxAnswerer answerer(std::vector<int>(draws, IDOK));

    if (expected.words.empty()) {
        for (int press = 0; press < 2; ++press) {
            Click(form->startButton);
            ExpectIdleBeforeAnySeries();
        }
        EXPECT_TRUE(answerer.Boxes().empty());
        return;
    }

    std::set<std::string> drawn;
    int seriesScore = 0;
    Click(form->startButton);
    for (int draw = 0; draw < draws; ++draw) {
        ASSERT_TRUE(form->rules.IsRunning());
        const std::string word = form->rules.Word();
        ASSERT_EQ(expected.words.count(word), 1u) << "drew \"" << word << "\"";
        drawn.insert(word);
        ExpectFreshGameOf(word);

        if (draw % 2 == 0) {
            const std::size_t boxesBefore = answerer.Boxes().size();
            PlayWholeWord(word);
            ASSERT_EQ(answerer.Boxes().size(), boxesBefore + 1) << word;
            EXPECT_EQ(answerer.Boxes().back().caption, L"Bravo");
            EXPECT_EQ(form->scoreCell->GetNarrowText(), std::to_string(++seriesScore));
        } else {
            MissOnce(word);
            Click(form->startButton);
            EXPECT_EQ(ShownWord(), word);
            EXPECT_EQ(EnabledLetters(), 0);
            EXPECT_EQ(form->startButton->GetNarrowText(), "Inizia");
            Click(form->startButton);
            seriesScore = 0;
        }
    }
    EXPECT_EQ(drawn, expected.words);
}
