#pragma once
// HALVARD_SIMCARD=six|four|stereo puts the simulated card of that model in place
// (mixer device, driver and sound system) of the real one, so the panel can be
// tried without the hardware; on its first use it brings its driver's factory
// presets and schemes.

// True when the variable named a model and the card was installed.
bool InstallSimulatedCardFromEnvironment();

// HALVARD_SIMDISK_BYTES=N makes the disk fill up after N bytes written by the panel
// (through the file-writing seam), to try a save that fails half-way. True when set.
bool InstallSimDiskFromEnvironment();
