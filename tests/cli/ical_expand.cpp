// libical's own reading of an iCalendar file, as an independent reference
// for the tests: every instance of every event from FROM to TO (YYYYMMDD,
// both included), one a line as "YYYYMMDD UID", libical expanding each
// event's RRULE (RSCALE too) and RDATEs.
// Usage: ical_expand FILE FROM TO
#include <libical/ical.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

namespace {

void PrintInstance(icalcomponent* event, struct icaltime_span* span, void*) {
  std::tm day{};
  gmtime_r(&span->start, &day);
  std::printf("%04d%02d%02d %s\n", day.tm_year + 1900, day.tm_mon + 1, day.tm_mday, icalcomponent_get_uid(event));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: ical_expand FILE FROM TO\n");
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  icalcomponent* calendar = icalparser_parse_string(text.str().c_str());
  if (!file || !calendar) {
    std::fprintf(stderr, "ical_expand: cannot read %s\n", argv[1]);
    return 2;
  }
  icaltimetype from = icaltime_from_string(argv[2]);
  icaltimetype to = icaltime_from_string(argv[3]);
  icaltime_adjust(&to, 1, 0, 0, 0);  // the span's end is not included
  for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
       event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    icalcomponent_foreach_recurrence(event, from, to, PrintInstance, nullptr);
  }
  icalcomponent_free(calendar);
  return 0;
}
