#pragma once
// The bytes of the word table that the program ships, read from the source tree.

#include <fstream>
#include <iterator>
#include <string>

inline std::string ReadShippedWordList()
{
    std::ifstream file(ZELVANTO_WORD_LIST, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
