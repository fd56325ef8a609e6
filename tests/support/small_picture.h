#pragma once
// A small 24-bit bitmap file's bytes, for tests that hand a picture file to the code.
#include <string>

// width x height pixels in a fixed pattern of colours.
std::string SmallPictureFile(int width = 2, int height = 2);
