// libical's own reading of an iCalendar file, as an independent reference
// for the tests: every instance of every event from FROM to TO (YYYYMMDD,
// both included), one a line as "YYYYMMDD UID", libical expanding each
// event's RRULE (RSCALE too) and RDATEs; and each of its alarms as "alarm
// UID SECONDS ACTION", SECONDS the trigger's duration from the start.
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

void PrintAlarms(icalcomponent* event) {
  for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
       alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
    icalproperty* trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
    icalproperty* action = icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY);
    const bool display = action && icalproperty_get_action(action) == ICAL_ACTION_DISPLAY;
    std::printf("alarm %s %d %s\n", icalcomponent_get_uid(event),
                icaldurationtype_as_int(icalproperty_get_trigger(trigger).duration), display ? "DISPLAY" : "other");
  }
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
    PrintAlarms(event);
  }
  icalcomponent_free(calendar);
  return 0;
}
