#pragma once
// The generic mixer sheet, started with the option "generic" ("/generic" or
// "-generic") until the main sheet exists: a modeless mixer sheet with its default
// pages (playback and record) on the card's mixer device, to try the mixer-bound
// controls with.

// True when the process's command line carries the option.
bool IsGenericMixerSheetRequested();

// Opens the card's mixer and runs the sheet until the user closes it; returns the
// process's exit code (1 when the mixer or the sheet could not be made).
int RunGenericMixerSheet();
