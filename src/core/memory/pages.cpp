#include "core/memory/pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

void PlacePages(void* begin, std::size_t bytes) {
  const auto pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto from = reinterpret_cast<std::uintptr_t>(begin);
  const std::uintptr_t first = (from + pageSize - 1) / pageSize * pageSize;
  const std::uintptr_t end = (from + bytes) / pageSize * pageSize;
  if (first < end) madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
}
