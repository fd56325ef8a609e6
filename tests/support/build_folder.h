#pragma once
// Programs built beside the test programs' folder (the panel, halvardctl).
#include <string>

// The path of a file in the build folder, the parent of the running test program's folder.
std::string BuildFolderFile(const std::string& name);
