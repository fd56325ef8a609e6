#pragma once
// The user's colour sets and the per-program default sets in the registry:
// HKEY_CURRENT_USER "Software\Norvalis Dirizuzaro GmbH\Cool Colors", subkeys
// "User sets" and "Default sets", each set a 24-byte binary value.

#include <string>
#include <vector>

#include "skin/scheme/cool_color_set.h"

constexpr const char* kCoolColorsKey = "Software\\Norvalis Dirizuzaro GmbH\\Cool Colors";
constexpr const char* kUserSetsKey = "User sets";
constexpr const char* kDefaultSetsKey = "Default sets";
// User set names are read back up to this many characters.
constexpr unsigned kColorSetNameChars = 260;

class CCoolColorStore {
public:
    // False unless exactly one colour set (24 bytes) is stored under the name.
    static bool ReadUserSet(const char* name, COOLCOLORSET& set);
    static bool WriteUserSet(const char* name, const COOLCOLORSET& set);
    static bool DeleteUserSet(const char* name);
    static std::vector<std::string> UserSetNames();

    static bool ReadDefaultSet(const char* programFileName, COOLCOLORSET& set);

    // The built-in table with this program's default set, when one is stored.
    static BuiltInColorSets LoadBuiltInColorSets();
};

// The file name of the running program (its last path component).
std::string RunningProgramFileName();
