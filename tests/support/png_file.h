#pragma once
// Writes pictures the tests take (screenshots) as PNG files, uncompressed.

#include <cstdint>
#include <string>
#include <vector>

// pixels: width x height, top row first, 0x00RRGGBB each. False when the file
// cannot be written.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels);
