// ReplaceAll with any search text and replacement over any text. The input is the search text and the
// replacement (FuzzedDataProvider's backslash-ended strings, at most 8 bytes each) followed by the text.
// A replacement shorter than the search text must give what the rule itself gives, rescanning from the
// first byte after each replacement, and leave no occurrence behind; so must one byte for another; any
// other must end, change nothing where the search text does not occur, and change the length by whole
// replacements.

#include "support/TextHelpers.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The rule as stated: find the leftmost occurrence from the first byte, replace it, start again. It ends
// where it is used here: every replacement shortens the text, or swaps one byte for another.
std::string RescanningReplace(std::string text, const std::string& search, const std::string& replacement)
{
    for (std::size_t at = text.find(search); at != std::string::npos; at = text.find(search))
        text.replace(at, search.size(), replacement);
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string search = input.ConsumeRandomLengthString(8);
    const std::string replacement = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::string result = Kestrum::ReplaceAll(text, search, replacement);
    if (search.empty() || text.find(search) == std::string::npos) {
        FUZZ_CHECK(result == text);
        return 0;
    }
    if (replacement.size() < search.size()) {
        FUZZ_CHECK(result == RescanningReplace(text, search, replacement));
        FUZZ_CHECK(result.find(search) == std::string::npos);
        return 0;
    }
    // One accented letter for one plain letter, as the game folds its words.
    if (search.size() == 1 && replacement.size() == 1 && search != replacement)
        FUZZ_CHECK(result == RescanningReplace(text, search, replacement));
    const std::size_t growth = replacement.size() - search.size();
    FUZZ_CHECK(result.size() >= text.size());
    if (growth > 0) {
        FUZZ_CHECK((result.size() - text.size()) % growth == 0);
        FUZZ_CHECK((result.size() - text.size()) / growth <= text.size() / search.size());
    } else {
        FUZZ_CHECK(result.size() == text.size());
    }
    return 0;
}
