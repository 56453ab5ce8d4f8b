#pragma once
// The records fuzz target's entry points, shared by libFuzzer and the corpus replay.

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// What the last input read as: which readers took it whole (to the last byte for the two files
// the loader checks for trailing bytes), and whether it went through the loader.
struct FuzzOutcome {
    bool studentWhole = false;
    bool teachersWhole = false;
    bool chartWhole = false;
    bool loaded = false;
};
const FuzzOutcome &LastFuzzOutcome();

// The replay sends every input through the loader; the fuzzer only about half of them.
void SetFuzzAlwaysLoad(bool always);
