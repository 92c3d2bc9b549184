// A property that must hold for every input: a broken one aborts, so the
// fuzzer reports it with the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>

#define CHECK(condition)                                                                                     \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);            \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)
