#pragma once
// What the fuzzers share: a check that stops the run with the input that broke it, and the join that
// undoes a split.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// libFuzzer reports an abort as a crash and saves the input; the message says which property failed.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

inline std::string Join(const std::vector<std::string>& pieces, const std::string& separator)
{
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            joined += separator;
        joined += pieces[i];
    }
    return joined;
}

// A split keeps every byte but the separators and the one empty piece after a final separator, and no
// piece holds a separator.
inline void CheckSplit(const std::string& text, const std::string& separator,
                       const std::vector<std::string>& pieces)
{
    const std::string joined = Join(pieces, separator);
    FUZZ_CHECK(joined == text || joined + separator == text);
    for (const std::string& piece : pieces)
        FUZZ_CHECK(piece.find(separator) == std::string::npos);
}
