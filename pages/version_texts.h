#pragma once
// The version texts of the About text: the card driver's file, looked up where the
// system keeps drivers, and the panel's own executable.

#include <string>
#include <vector>

// The driver file the About text names.
constexpr const char* kDriverFileName = "dizuda.sys";

// The places the driver file is looked for, in order: the bare name (the system's
// search), the system directory, its "drivers" folder, and the "drivers" folder of
// the system directory with "32" appended (for systems whose directory lacks it).
// Each path fits in 260 characters or is left out.
std::vector<std::string> DriverFileCandidates(const char* systemDirectory);

// "a.b.c.d" of the first candidate with version information; "not installed"
// when none has any, "Not available" when its information cannot be read.
std::string DriverVersionText();
// The same for the panel's own file, with "not available" for a failed read.
std::string ProgramVersionText();
