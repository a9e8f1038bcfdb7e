#include "support/TextHelpers.h"

namespace Kestrum {

std::wstring WidenText(const std::string& text)
{
    std::wstring wide;
    wide.reserve(text.size());
    for (char byte : text) {
        if (byte == '\0')
            break;
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(byte)));
    }
    return wide;
}

std::string NarrowText(const std::wstring& text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t unit : text)
        narrow.push_back(static_cast<char>(static_cast<unsigned long>(unit) & 0xFFu));
    return narrow;
}

std::string UpperCaseText(std::string text)
{
    for (char& byte : text) {
        if (byte >= 'a' && byte <= 'z')
            byte = static_cast<char>(byte - ('a' - 'A'));
    }
    return text;
}

namespace {

std::string ReplaceInOnePass(const std::string& text, const std::string& search,
                             const std::string& replacement)
{
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
        result.append(text, from, at - from);
        result += replacement;
        from = at + search.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}

// Every scan would restart at the first byte; nothing before the last replacement can match unless it
// overlaps the replaced bytes, so the scan resumes just far enough back to see such a match.
std::string ReplaceUntilNoneLeft(std::string text, const std::string& search,
                                 const std::string& replacement)
{
    for (std::size_t at = text.find(search); at != std::string::npos;) {
        text.replace(at, search.size(), replacement);
        const std::size_t resume = at >= search.size() - 1 ? at - (search.size() - 1) : 0;
        at = text.find(search, resume);
    }
    return text;
}

}  // namespace

std::string ReplaceAll(std::string text, const std::string& search, const std::string& replacement)
{
    if (search.empty())
        return text;
    if (replacement.size() >= search.size())
        return ReplaceInOnePass(text, search, replacement);
    return ReplaceUntilNoneLeft(std::move(text), search, replacement);
}

std::vector<std::string> SplitText(const std::string& text, const std::string& separator)
{
    std::vector<std::string> pieces;
    if (text.empty() || separator.empty())
        return pieces;
    std::size_t from = 0;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        pieces.emplace_back(text, from, at - from);
        from = at + separator.size();
    }
    if (from < text.size())
        pieces.emplace_back(text, from, std::string::npos);
    return pieces;
}

std::string NumberText(std::int64_t value)
{
    // Work on the magnitude as unsigned so that the most negative value has a positive counterpart.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        digits.insert(digits.begin(), '-');
    return digits;
}

std::wstring NumberWideText(std::int64_t value)
{
    return WidenText(NumberText(value));
}

}  // namespace Kestrum
