// WidenText and NarrowText over any input. As narrow text, the input must widen byte for byte up to its
// first zero byte and narrow back to exactly those bytes. As wide text (pairs of bytes, one 16-bit code
// unit each, as Win32 gives them), it must narrow to one byte per unit, the unit's low 8 bits.

#include "support/TextHelpers.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string narrow(reinterpret_cast<const char*>(data), size);
    const std::string beforeZero = narrow.substr(0, narrow.find('\0'));
    const std::wstring widened = Kestrum::WidenText(narrow);
    FUZZ_CHECK(widened.size() == beforeZero.size());
    for (std::size_t i = 0; i < widened.size(); ++i)
        FUZZ_CHECK(static_cast<unsigned long>(widened[i]) == static_cast<unsigned char>(beforeZero[i]));
    FUZZ_CHECK(Kestrum::NarrowText(widened) == beforeZero);

    std::wstring wide;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        wide.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
    const std::string narrowed = Kestrum::NarrowText(wide);
    FUZZ_CHECK(narrowed.size() == wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i)
        FUZZ_CHECK(static_cast<unsigned char>(narrowed[i]) == (static_cast<unsigned long>(wide[i]) & 0xFFu));
    return 0;
}
