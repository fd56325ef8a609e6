#pragma once
// The positions of the card's 19 sound sources and their named schemes.

#include <windows.h>

#include "driver/driver_keys.h"

// Below kSourcePositioningKey.
constexpr const char* kCurrentSchemeSubkey = "CurrentScheme";
constexpr const char* kBalanceTableValue = "BalanceTable";
constexpr const char* kFaderTableValue = "FaderTable";
constexpr const char* kSchemeFlagsValue = "Flags";
constexpr const char* kSchemeNameValue = "Name";
constexpr const char* kDefaultSchemeName = "Default";

constexpr int kSourcePositionCount = 19;
constexpr BYTE kDefaultBalance = 0x40;
constexpr BYTE kDefaultFader = 0;

// Scheme flags: sources positioned one by one, or through the shared position.
constexpr DWORD kSchemeFlagsSingle = 0x40;
constexpr DWORD kSchemeFlagsShared = 0x60;

// A scheme's name, its terminator included: the longest name a registry key can have.
constexpr DWORD kSchemeNameSize = 256;

struct SourcePositionTables {
    BYTE balance[kSourcePositionCount];
    BYTE fader[kSourcePositionCount];
};
