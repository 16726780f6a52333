#pragma once

#include <cstdio>
#include <cstdlib>

// An impossible state inside the engine: report where, then stop. Active in
// every build, release included, so that tests and fuzzing catch any path that
// reaches one.
#define BRIMAL_ASSERT(condition)                                                                   \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: assertion failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
