// The days file, whatever its text: reading never goes wrong, and what is
// read comes back the same through a write and a second reading.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/days/days_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  DaysFile file;
  std::vector<StoreError> errors;
  if (!ReadDaysFile(text, &file, &errors)) return 0;
  std::string written, why;
  if (!WriteDaysFile(file, &written, &why)) return 0;
  DaysFile again;
  if (!ReadDaysFile(written, &again, &errors)) std::abort();  // what we wrote we must read
  std::string rewritten;
  if (!WriteDaysFile(again, &rewritten, &why) || rewritten != written) std::abort();
  if (again.days.size() != file.days.size()) std::abort();
  return 0;
}
