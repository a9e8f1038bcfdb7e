#pragma once
// The word table: the lines of the program's ";"-separated word list (code page 1252), line 0 being the
// header, and the rule that says which word a line offers a game. Portable: the Windows build reads the
// bytes from the executable's resources (WordTableResource.h).

#include <string>
#include <vector>

namespace MyGame {

using WordTable = std::vector<std::string>;

// The table's lines without their "\r\n" ends; a final line end adds no empty line.
WordTable SplitTableLines(const std::string& bytes);

// Cells at ";"; a trailing empty cell is dropped, so a table line gives 3 or 4 cells.
std::vector<std::string> SplitRow(const std::string& line);

// The noun (cell 0), or the verb (cell 2) when the noun is shorter than 5 characters and the verb is
// not. Lengths are in code page 1252 characters, which are bytes. Missing cells count as empty.
std::string RowWord(const std::string& line);

}  // namespace MyGame
