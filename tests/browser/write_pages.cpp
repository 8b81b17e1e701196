// Writes the pages that the browser test loads: one per month shape, each
// into its own folder as output.htm, exactly as the Tool menu writes it.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "export/html_exporter.h"
#include "export/safe_save.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const struct {
    const char* name;
    DatePair date;
    CalendarKind base;
  } kPages[] = {
      {"gregorian-2008-11", {2008, 11, 29, Gregorian}, Gregorian},  // six rows of weeks
      {"gregorian-2009-02", {2009, 2, 1, Gregorian}, Gregorian},    // four full weeks
      {"ethiopian-2001-03", {2001, 3, 20, Ethiopian}, Ethiopian},
      {"ethiopian-1999-13", {1999, 13, 6, Ethiopian}, Ethiopian},   // six-day Pagume
  };
  for (const auto& page : kPages) {
    const std::string folder = std::string(argv[1]) + "/" + page.name;
    mkdir(folder.c_str(), 0755);
    std::string why;
    if (!SaveInFolder(folder, kPageFileName, HtmlExporter(page.date, page.base).Build(), ExistingFile::kReplace, &why))
      return 1;
  }
  return 0;
}
