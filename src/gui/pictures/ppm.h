#pragma once

#include <cstddef>

// The pixels of a picture file built into the program, maxval 255, rows from
// the top: a binary PPM ("P6", 3 bytes a pixel) for depth 3, a PAM ("P7",
// RGB_ALPHA, 4 bytes a pixel) for depth 4. Returns nullptr if the data is no
// such file.
const unsigned char* PpmPixels(const unsigned char* file, std::size_t size, int width, int height, int depth = 3);
