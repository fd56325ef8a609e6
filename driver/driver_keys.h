#pragma once
// Registry keys of the card's driver, below the local-machine root.

constexpr const char* kDriverSettingsKey = "SYSTEM\\CurrentControlSet\\Services\\ruririv\\CS461x";
constexpr const char* kDriverBasicsKey =
    "SYSTEM\\CurrentControlSet\\Services\\ruririv\\CS461x\\Algorithms\\Basics";
constexpr const char* kDriverKeyValue = "DriverKey";
