#pragma once
// Names in the fixed fields of the mixer records: read without trusting a
// terminator, written cut to the field with one.

#include <cstring>
#include <string>

template <std::size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

template <std::size_t N>
void SetFieldText(char (&field)[N], const char* text)
{
    const std::size_t length = text != nullptr ? strnlen(text, N - 1) : 0;
    std::memcpy(field, text != nullptr ? text : "", length);
    field[length] = '\0';
}
