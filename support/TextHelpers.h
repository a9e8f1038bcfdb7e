#pragma once
// Text conversion and text operations for the program's narrow texts (bytes in Windows code page 1252)
// and the wide texts (16-bit code units) that the Win32 wide functions take. Stateless, locale-free,
// and free of any window system.

#include <cstdint>
#include <string>
#include <vector>

namespace Kestrum {

// Byte b becomes code unit b (ISO 8859-1); stops at the first zero byte.
std::wstring WidenText(const std::string& text);

// Code unit u becomes byte u mod 256; every unit is converted, zero units included.
std::string NarrowText(const std::wstring& text);

// Only the bytes "a" to "z" change; accented letters stay as they are.
std::string UpperCaseText(std::string text);

// Replaces the leftmost occurrence again and again until none is left, so "aaa" with "aa" -> "a" gives
// "a". That only ends when each replacement shortens the text; a replacement at least as long as the
// search text is applied in one left-to-right pass instead, and an empty search text changes nothing.
std::string ReplaceAll(std::string text, const std::string& search, const std::string& replacement);

// Pieces between separators; the one empty piece after a final separator is dropped, so a table whose
// every line ends with the separator yields exactly its lines.
std::vector<std::string> SplitText(const std::string& text, const std::string& separator);

std::string NumberText(std::int64_t value);
std::wstring NumberWideText(std::int64_t value);

}  // namespace Kestrum
