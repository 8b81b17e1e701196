#include "platform/ppm.h"

#include <cstdio>
#include <cstring>

const unsigned char* PpmPixels(const unsigned char* file, std::size_t size, int width, int height) {
  char header[32];
  const int length = std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", width, height);
  const std::size_t pixels = static_cast<std::size_t>(width) * height * 3;
  if (length <= 0 || size != length + pixels || std::memcmp(file, header, length) != 0) return nullptr;
  return file + length;
}
