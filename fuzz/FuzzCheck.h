#pragma once

#include <cstdio>
#include <cstdlib>

// A property that failed: report it and stop, so that libFuzzer keeps the input as a finding.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)
