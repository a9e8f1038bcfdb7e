# The fuzzers' build (tests/fuzz: clang's libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer)
# in $ZELVANTO_BUILD/fuzz, shared by scripts/fuzz and scripts/test. Sourced after common.sh, not run.

# Debian's default clang, and its runtime libraries: libFuzzer and the sanitizers.
ZELVANTO_FUZZ_PACKAGES=(cmake make clang libclang-rt-dev)
ZELVANTO_FUZZ_BUILD=$ZELVANTO_BUILD/fuzz

# Each fuzzer's CTest test runs for the given number of seconds.
configure_fuzzers() {
  cmake -S "$ZELVANTO_ROOT/tests/fuzz" -B "$ZELVANTO_FUZZ_BUILD" -DCMAKE_CXX_COMPILER=clang++ \
        -DZELVANTO_FUZZ_SECONDS="$1" >/dev/null
}

build_fuzzers() {
  cmake --build "$ZELVANTO_FUZZ_BUILD" -j "$(nproc 2>/dev/null || echo 2)"
}

# The fuzzers' tests join the combined CTest run that configure_builds sets up.
add_fuzzers_to_tests() {
  printf 'subdirs("fuzz")\n' >> "$ZELVANTO_BUILD/CTestTestfile.cmake"
}
