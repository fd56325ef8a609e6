#pragma once
// What the card's driver brings with it when it is installed: named equalizer
// presets for each band count and named source positioning schemes, the flat
// preset and the "Default" scheme current. The simulated card writes them on its
// first use only, while its own key holds no mark of an earlier install, and never
// over a preset, a scheme or a current set that is already there.

#include <windows.h>

// The simulated card's own key below the current user's root, and the mark in it.
constexpr const char* kSimCardKey = "Software\\Norvalis Dirizuzaro GmbH\\Simulated Card";
constexpr const char* kSimFactoryMarkValue = "Factory Content Installed";

// The factory presets per band count and the factory schemes.
constexpr int kSimFactoryPresetCount = 6;
constexpr const char* kSimFlatPresetName = "Flat";
constexpr int kSimFactorySchemeCount = 3;

bool IsSimFactoryContentMarked();
// Sets the mark (or removes it), as an install would.
bool MarkSimFactoryContent(bool installed);
// Writes the factory content unless the mark is set, then sets the mark; false when
// a write failed (the mark then stays unset, so the next start tries again).
bool InstallSimFactoryContent();
