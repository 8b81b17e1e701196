#pragma once

#include <cstddef>

// Memory about to be filled in one go (thousands of days, a long listing)
// has its pages put in place with one call to the system rather than one
// page fault every 4 KiB, which costs more than the filling. Only the whole
// pages inside [begin, begin + bytes) are touched; where the system cannot
// (Linux before 5.14), the pages come one fault at a time as before.
void PlacePages(void* begin, std::size_t bytes);
