#include "gui/pictures/ppm.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr int kRgb = 3;
}  // namespace

const unsigned char* PpmPixels(const unsigned char* file, std::size_t size, int width, int height, int depth) {
  char header[96];
  const int length =
      depth == kRgb
          ? std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", width, height)
          : std::snprintf(header, sizeof header, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH %d\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                          width, height, depth);
  const std::size_t pixels = static_cast<std::size_t>(width) * height * depth;
  if (length <= 0 || size != length + pixels || std::memcmp(file, header, length) != 0) return nullptr;
  return file + length;
}
