// Writes the pages that the browser test loads: one per month shape, each
// into its own folder as output.htm, exactly as the Tool menu writes it.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "core/export/html_exporter.h"
#include "core/storage/safe_save.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const struct {
    const char* name;
    DatePair date;
    CalendarKind base;
    bool holidays;
  } kPages[] = {
      {"gregorian-2008-11", {2008, 11, 29, Gregorian}, Gregorian, false},  // six rows of weeks
      {"gregorian-2009-02", {2009, 2, 1, Gregorian}, Gregorian, false},    // four full weeks
      {"gregorian-2024-05-holidays", {2024, 5, 5, Gregorian}, Gregorian, true},
      {"ethiopian-2001-03", {2001, 3, 20, Ethiopian}, Ethiopian, false},
      {"ethiopian-1999-13", {1999, 13, 6, Ethiopian}, Ethiopian, false},  // six-day Pagume
      {"ethiopian-2000-13", {2000, 13, 3, Ethiopian}, Ethiopian, false},  // five days from a Saturday
  };
  for (const auto& page : kPages) {
    const std::string folder = std::string(argv[1]) + "/" + page.name;
    mkdir(folder.c_str(), 0755);
    std::string why;
    if (!SaveInFolder(folder, kPageFileName, HtmlExporter(page.date, page.base, page.holidays).Build(), ExistingFile::kReplace, &why))
      return 1;
  }
  return 0;
}
