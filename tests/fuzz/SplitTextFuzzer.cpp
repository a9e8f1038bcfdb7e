// SplitText with any separator over any text. The input is the separator (FuzzedDataProvider's
// backslash-ended string, at most 8 bytes) followed by the text. The pieces must join back into the text,
// with only the one empty piece after a final separator missing, and none may hold the separator.

#include "support/TextHelpers.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string separator = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::vector<std::string> pieces = Kestrum::SplitText(text, separator);
    if (text.empty() || separator.empty()) {
        FUZZ_CHECK(pieces.empty());
        return 0;
    }
    CheckSplit(text, separator, pieces);
    FUZZ_CHECK(pieces.size() <= text.size() / separator.size() + 1);
    return 0;
}
