#pragma once

#include <cstddef>

// The pixels of a binary PPM ("P6", maxval 255) built into the program:
// 3 bytes a pixel, rows from the top. Returns nullptr if the data is no such file.
const unsigned char* PpmPixels(const unsigned char* file, std::size_t size, int width, int height);
