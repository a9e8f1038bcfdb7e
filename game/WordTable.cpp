#include "game/WordTable.h"

#include "support/TextHelpers.h"

namespace MyGame {

namespace {

constexpr std::size_t kShortNounLength = 5;

}  // namespace

WordTable SplitTableLines(const std::string& bytes)
{
    return Kestrum::SplitText(bytes, "\r\n");
}

std::vector<std::string> SplitRow(const std::string& line)
{
    return Kestrum::SplitText(line, ";");
}

std::string RowWord(const std::string& line)
{
    const std::vector<std::string> cells = SplitRow(line);
    const std::string noun = cells.empty() ? std::string() : cells[0];
    const std::string verb = cells.size() > 2 ? cells[2] : std::string();
    if (noun.size() < kShortNounLength && verb.size() >= kShortNounLength)
        return verb;
    return noun;
}

}  // namespace MyGame
