#pragma once
// Strings of the program's string tables, in the user's language (the system's
// resource loader picks the table).

#include <windows.h>

#include <cstddef>
#include <string>

// Copies the string into the buffer, cut to fit and always terminated; false, with
// an empty buffer, when the string is absent.
bool LoadResourceString(UINT id, char* buffer, std::size_t size);
// The whole string; empty when absent.
std::string LoadResourceString(UINT id);
