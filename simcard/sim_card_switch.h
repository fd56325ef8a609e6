#pragma once
// HALVARD_SIMCARD=six|four|stereo puts the simulated card of that model in place
// (mixer device, driver and sound system) of the real one, so the panel can be
// tried without the hardware.

// True when the variable named a model and the card was installed.
bool InstallSimulatedCardFromEnvironment();
