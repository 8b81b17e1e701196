#include <cstdio>
#include <random>

#include "core/calendar/calendar_date.h"
#include "core/calendar/clock_source.h"
#include "core/days/alarm.h"
#include "core/days/days_file.h"
#include "core/days/memorial.h"
#include "core/days/rule_text.h"
#include "core/ical/content_line.h"
#include "core/ical/ics_text.h"
#include "core/ical/text_rule.h"
#include "core/locale/translation.h"

namespace {

class Writer {
 public:
  explicit Writer(std::string* text) : text_(text), stamp_(StampLine(WallClock(nullptr))) {}

  bool Event(const UserDay& day, std::string* why) {
    if (day.uid.empty()) {
      *why = "the day \"" + day.name + "\" has no UID";
      return false;
    }
    if (!Utf8(day.name, kNameFault, why) || !Utf8(day.note, kNoteFault, why)) return false;
    Line("BEGIN:VEVENT");
    static const KeptLines::Rare kNothingRare;
    const KeptLines::Rare& rare = day.kept.rare ? *day.kept.rare : kNothingRare;
    Line("UID:" + day.uid);
    Stamp(day.kept, rare);
    if (!Date("DTSTART;VALUE=DATE:", day.start, why)) return false;
    if (rare.oneDayEnd && !Date("DTEND;VALUE=DATE:", day.start + 1, why)) return false;
    const std::string rule = RuleText(day);
    if (!rule.empty()) Line("RRULE:" + rule);
    if (day.repeat == Repeat::kMemorial && !Commemorations(day.start, why)) return false;
    Line("SUMMARY" + rare.nameParams + ":" + Escaped(day.name));
    if (!day.note.empty() || rare.emptyNote) Line("DESCRIPTION" + rare.noteParams + ":" + Escaped(day.note));
    if (day.repeat == Repeat::kMemorial) Line("X-ZELMORA-KIND:MEMORIAL");
    for (const std::string& raw : rare.lines) Raw(raw);
    AddAlarms(day.reminders, day.name, text_);
    Line("END:VEVENT");
    return true;
  }

  void Line(const std::string& line) { AddLine(line, text_); }
  void Raw(const std::string& raw) { *text_ += raw + "\r\n"; }

 private:
  // A file that is not UTF-8 could not be read again: such text is refused, not written.
  static bool Utf8(const std::string& text, const char* whose, std::string* why) {
    size_t at = 0;
    if (IsUtf8(text, &at)) return true;
    *why = Filled(Tr(whose), {FaultText({at, false})});
    return false;
  }

  // The stamp as read, or a new one for a day that has none or has changed.
  void Stamp(const KeptLines& kept, const KeptLines::Rare& rare) {
    if (!rare.stampLine.empty()) {
      Line(rare.stampLine);
    } else if (kept.stamp[0] != '\0') {
      Line("DTSTAMP:" + std::string(kept.stamp.begin(), kept.stamp.end()));
    } else if (!stamp_.empty()) {
      Line(stamp_);
    }
  }

  bool Date(const char* prefix, int32_t day, std::string* why) {
    std::string text;
    if (!ics::DateDigits(day, &text, why)) return false;
    Line(prefix + text);
    return true;
  }

  // The first year's commemorations that neither DTSTART nor the rule gives.
  bool Commemorations(int32_t passing, std::string* why) {
    std::string dates;
    for (const MemorialDate& date : FirstYearOfMemorial(passing)) {
      if (date.which == Commemoration::kPassing || date.which == Commemoration::kFirstYear) continue;
      std::string text;
      if (!ics::DateDigits(date.day, &text, why)) return false;
      dates += (dates.empty() ? "" : ",") + text;
    }
    Line("RDATE;VALUE=DATE:" + dates);
    return true;
  }

  std::string* text_;
  std::string stamp_;
};

}  // namespace

bool WriteDaysFile(const DaysFile& file, std::string* text, std::string* why) {
  std::string written;
  Writer writer(&written);
  ics::AddHeader(&written);
  for (const std::string& raw : file.properties) writer.Raw(raw);
  for (const UserDay& day : file.days) {
    if (!writer.Event(day, why)) return false;
  }
  for (const std::string& raw : file.components) writer.Raw(raw);
  ics::AddFooter(&written);
  *text = std::move(written);
  return true;
}

std::string NewUid() {
  std::random_device random;
  char uid[64];
  std::snprintf(uid, sizeof uid, "%08x-%08x-%08x-%08x%s", random(), random(), random(), random(), ics::kUidDomain);
  return uid;
}
