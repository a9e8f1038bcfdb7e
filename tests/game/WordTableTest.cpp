#include "game/WordTable.h"

#include "tests/game/ShippedWordList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using MyGame::RowWord;
using MyGame::SplitRow;
using MyGame::SplitTableLines;
using MyGame::WordTable;

namespace {

using Cells = std::vector<std::string>;

int Separators(const std::string& line)
{
    return static_cast<int>(std::count(line.begin(), line.end(), ';'));
}

// A cell of the table in the given column, empty where the row has fewer cells.
std::string Cell(const std::string& line, std::size_t column)
{
    const Cells cells = SplitRow(line);
    return column < cells.size() ? cells[column] : std::string();
}

bool IsTableLetter(unsigned char c)
{
    const std::string accented = "\xE0\xE8\xE9\xEC\xF2\xF9";  // à è é ì ò ù
    return (c >= 'a' && c <= 'z') || accented.find(static_cast<char>(c)) != std::string::npos;
}

class ShippedTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes = ReadShippedWordList();
        ASSERT_FALSE(bytes.empty()) << "cannot read " << ZELVANTO_WORD_LIST;
        lines = SplitTableLines(bytes);
    }

    std::string bytes;
    WordTable lines;
};

}  // namespace

TEST(SplitRow, DropsOnlyTheTrailingEmptyCell)
{
    const struct {
        std::string line;
        Cells expected;
    } cases[] = {
        {"lago;;;", {"lago", "", ""}},
        {"citt\xE0;VERO;tornare;ne", {"citt\xE0", "VERO", "tornare", "ne"}},
        {"professore;contadino;attraversare;", {"professore", "contadino", "attraversare"}},
        {"marito;;fornire;", {"marito", "", "fornire"}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitRow(c.line), c.expected) << c.line;
}

TEST(RowWord, TakesTheVerbOnlyForAShortNounAndALongVerb)
{
    const struct {
        std::string line;
        std::string expected;
    } cases[] = {
        {"cosa;questo;essere;il", "essere"},
        {"anno;quello;avere;di", "avere"},
        {"uomo;pi\xF9;dire;e", "uomo"},             // the verb is too short
        {"erba;intero;bere;", "erba"},
        {"citt\xE0;VERO;tornare;ne", "citt\xE0"},   // five characters: the noun stays
        {"et\xE0;;;", "et\xE0"},
        {"film;;;", "film"},
        {"Domenica;;;", "Domenica"},
        {"via;;seguire;", "seguire"},
        {"abcd;;vwxyz;", "vwxyz"},
        {"abcde;;vwxyz;", "abcde"},
        {"abcd;;wxyz;", "abcd"},
        {"lago", "lago"},                              // missing cells count as empty
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowWord(c.line), c.expected) << c.line;
}

TEST(SplitTableLines, DropsOnlyTheEmptyLineAfterTheLastLineEnd)
{
    EXPECT_EQ(SplitTableLines(""), WordTable{});
    EXPECT_EQ(SplitTableLines("h\r\na;b;c;\r\n"), (WordTable{"h", "a;b;c;"}));
    EXPECT_EQ(SplitTableLines("h\r\na;b;c;"), (WordTable{"h", "a;b;c;"}));
    EXPECT_EQ(SplitTableLines("h\r\n\r\nx\r\n"), (WordTable{"h", "", "x"}));
}

TEST_F(ShippedTable, IsCodePage1252LinesEndedByCrLf)
{
    EXPECT_EQ(bytes.size(), 10400u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    ASSERT_EQ(lines.size(), 488u);
    EXPECT_EQ(lines.front(), "Sostantivi;Aggettivi;Verbi;Locuzioni varie");
    EXPECT_EQ(lines.back(), "lago;;;");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        EXPECT_EQ(Separators(line), 3) << line;
    }
}

TEST_F(ShippedTable, HoldsTheQuotedRowsWhereTheNounOrderPutsThem)
{
    ASSERT_EQ(lines.size(), 488u);
    const struct {
        std::size_t row;
        std::string line;
    } cases[] = {
        {1, "cosa;questo;essere;il"},
        {2, "anno;quello;avere;di"},
        {3, "uomo;pi\xF9;dire;e"},
        {25, "citt\xE0;VERO;tornare;ne"},
        {160, "erba;intero;bere;"},
        {205, "professore;contadino;attraversare;"},
        {206, "marito;;fornire;"},
        {328, "chiave;;;"},
        {372, "et\xE0;;;"},
        {425, "film;;;"},
        {437, "Domenica;;;"},
        {487, "lago;;;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines[c.row], c.line) << "row " << c.row;
}

TEST_F(ShippedTable, FillsEachColumnFromTheTopWithinItsLengths)
{
    ASSERT_EQ(lines.size(), 488u);
    const struct {
        std::size_t column;
        std::size_t lastFilledRow;
        std::size_t shortest;
        std::size_t longest;
    } columns[] = {{0, 487, 3, 13}, {1, 205, 3, 14}, {2, 327, 4, 13}, {3, 154, 1, 13}};
    for (const auto& c : columns) {
        std::size_t shortest = 100, longest = 0;
        for (std::size_t row = 1; row < lines.size(); ++row) {
            const std::string cell = Cell(lines[row], c.column);
            EXPECT_EQ(cell.empty(), row > c.lastFilledRow) << "column " << c.column << " row " << row;
            if (cell.empty())
                continue;
            shortest = std::min(shortest, cell.size());
            longest = std::max(longest, cell.size());
        }
        EXPECT_EQ(shortest, c.shortest) << "column " << c.column;
        EXPECT_EQ(longest, c.longest) << "column " << c.column;
    }
}

TEST_F(ShippedTable, UsesOnlyLowerCaseLettersBarTheTwoCapitalisedCells)
{
    for (std::size_t row = 1; row < lines.size(); ++row) {
        for (const std::string& cell : SplitRow(lines[row])) {
            if (cell == "Domenica" || cell == "VERO")
                continue;
            for (char c : cell)
                EXPECT_TRUE(IsTableLetter(static_cast<unsigned char>(c))) << "row " << row << ": " << cell;
        }
    }
}

TEST_F(ShippedTable, OffersFortyOneVerbsAndWordsOfThreeToThirteenLetters)
{
    int verbs = 0;
    std::set<std::size_t> lengths;
    for (std::size_t row = 1; row < lines.size(); ++row) {
        const std::string word = RowWord(lines[row]);
        verbs += word != Cell(lines[row], 0) ? 1 : 0;
        lengths.insert(word.size());
    }
    EXPECT_EQ(verbs, 41);
    EXPECT_EQ(*lengths.begin(), 3u);
    EXPECT_EQ(*lengths.rbegin(), 13u);
}
