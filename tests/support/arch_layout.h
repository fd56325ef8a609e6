#pragma once
// Layout checks that hold for each architecture: a figure is given for x86 and for
// x64, and the running build is checked against its own.
#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>

constexpr bool kWideBuild = sizeof(void*) == 8;

// The expected figure of the running architecture.
inline size_t OnArch(size_t x86, size_t x64) { return kWideBuild ? x64 : x86; }

struct LayoutPlace {
    const char* what;
    size_t actual;
    size_t x86;
    size_t x64;
};

inline void ExpectLayout(std::initializer_list<LayoutPlace> places)
{
    for (const LayoutPlace& place : places)
        EXPECT_EQ(OnArch(place.x86, place.x64), place.actual) << place.what;
}
