#pragma once
// Control IDs the mixer-bound controls give their own child windows, and those of
// the columns the generic mixer page builds.

// Item buttons of a mux column: 1024 + item index; only these notify the column.
constexpr int kMuxItemFirstId = 1024;
constexpr int kMuxItemLastId = 1055;
constexpr int kMuxMaxItemButtons = kMuxItemLastId - kMuxItemFirstId + 1;

// The two sliders of a fader: volume (or left), balance (or right).
constexpr int kFaderFirstSliderId = 789;
constexpr int kFaderSecondSliderId = 790;

// Generic mixer page: labels, faders (source index + 1001), switches (source
// index + 1129), the mux column, and the commands the page takes and ignores.
constexpr int kPageLabelId = 0xFFFF;
constexpr int kPageFaderBaseId = 1001;
constexpr int kPageSwitchBaseId = 1129;
constexpr int kPageMuxId = 1096;
constexpr int kPageIgnoredCommandFirst = 1064;
constexpr int kPageIgnoredCommandLast = 1159;
