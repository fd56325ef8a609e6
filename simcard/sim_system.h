#pragma once
// Plays a given Windows version (and system directory) through the system seam
// while an instance lives.

#include "platform/system_version.h"

enum class SimSystem { Windows98, WindowsMe, Windows2000, WindowsXp };

class SimSystemInstallation {
public:
    explicit SimSystemInstallation(SimSystem system, const char* systemDirectory = "C:\\windows\\system32");
    ~SimSystemInstallation();
    SimSystemInstallation(const SimSystemInstallation&) = delete;
    SimSystemInstallation& operator=(const SimSystemInstallation&) = delete;
};
