#include <cstdint>
#include <cstdio>

#include "calendar/calendar_date.h"
#include "days/days_file.h"
#include "days/repeat_dates.h"
#include "ical/content_line.h"

namespace {

const char kMemorialKind[] = "MEMORIAL";
constexpr int kDateDigits = 8;  // YYYYMMDD

using Lines = std::vector<UnfoldedLine>;

// The properties of one event that say what the day is; each the first of its name.
struct EventFields {
  const ContentLine* uid = nullptr;
  const ContentLine* stamp = nullptr;
  const ContentLine* start = nullptr;
  const ContentLine* end = nullptr;
  const ContentLine* rule = nullptr;
  const ContentLine* summary = nullptr;
  const ContentLine* description = nullptr;
  const ContentLine* kind = nullptr;
  bool changesDates = false;  // RDATE, EXDATE, EXRULE, DURATION, RECURRENCE-ID, a second RRULE
  bool hasDates = false;      // RDATE, which only a memorial may have
};

class Reader {
 public:
  Reader(const Lines& lines, DaysFile* file, std::vector<StoreError>* errors)
      : lines_(lines), file_(file), errors_(errors) {}

  bool Read() {
    if (lines_.empty()) return true;
    if (!Parse(0) || parsed_.name != "BEGIN" || Upper(parsed_.value) != "VCALENDAR") {
      return Fail(lines_[0].line, "the file does not begin with BEGIN:VCALENDAR");
    }
    const size_t end = ComponentEnd(0);
    if (end == kNone) return false;
    for (size_t i = 1; i < end; ++i) i = ReadItem(i);
    if (end + 1 < lines_.size()) Fail(lines_[end + 1].line, "there is more after END:VCALENDAR");
    return ok_;
  }

 private:
  static constexpr size_t kNone = SIZE_MAX;

  static std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
  }

  bool Fail(int line, const std::string& what) {
    errors_->push_back({line, what});
    ok_ = false;
    return false;
  }

  bool Parse(size_t i) { return ParseContentLine(lines_[i].text, &parsed_); }

  // The index of the END that closes the BEGIN at begin, or kNone, with the
  // error named. Lines that are no content lines are named by the calendar's
  // own scan, once.
  size_t ComponentEnd(size_t begin) {
    std::vector<std::string> open;
    for (size_t i = begin; i < lines_.size(); ++i) {
      if (!Parse(i)) {
        if (begin == 0) Fail(lines_[i].line, "this is not an iCalendar line (NAME:value)");
        continue;
      }
      if (parsed_.name == "BEGIN") open.push_back(Upper(parsed_.value));
      if (parsed_.name != "END") continue;
      if (open.empty() || Upper(parsed_.value) != open.back()) {
        Fail(lines_[i].line, "END:" + parsed_.value + " closes no BEGIN:" + parsed_.value);
        return kNone;
      }
      open.pop_back();
      if (open.empty()) return i;
    }
    Fail(lines_[begin].line, "BEGIN:" + open.front() + " has no END:" + open.front());
    return kNone;
  }

  // The raw lines [first, last], to write back as they were.
  std::string Raw(size_t first, size_t last) const {
    std::string raw = lines_[first].raw;
    for (size_t i = first + 1; i <= last; ++i) raw += "\r\n" + lines_[i].raw;
    return raw;
  }

  // Reads the property or component at i; returns the index of its last line.
  size_t ReadItem(size_t i) {
    if (!Parse(i)) return i;  // named when the calendar's end was found
    if (parsed_.name == "BEGIN") {
      const bool event = Upper(parsed_.value) == "VEVENT";
      const size_t end = ComponentEnd(i);
      if (end == kNone) return lines_.size();
      if (!event || !ReadEvent(i, end)) file_->components.push_back(Raw(i, end));
      return end;
    }
    if (parsed_.name != "VERSION" && parsed_.name != "PRODID") file_->properties.push_back(lines_[i].raw);
    return i;
  }

  // A DATE value (YYYYMMDD) of a day Zelmora reckons; false for a date-time.
  bool DateValue(const ContentLine& line, int number, int32_t* day) {
    const std::string& v = line.value;
    if (v.size() != kDateDigits || v.find_first_not_of("0123456789") != std::string::npos) {
      if (line.Param("VALUE") == "DATE") Fail(number, "\"" + v + "\" is not a date (YYYYMMDD)");
      return false;
    }
    const int year = std::stoi(v.substr(0, 4)), month = std::stoi(v.substr(4, 2)), dayOfMonth = std::stoi(v.substr(6));
    const bool valid = year >= kFirstSpanYear && month >= 1 && month <= 12 && dayOfMonth >= 1 &&
                       dayOfMonth <= CalendarDate(year, month, 1, Gregorian).DaysInMonth();
    if (!valid) return Fail(number, "\"" + v + "\" is no day of the calendar");
    *day = CalendarDate(year, month, dayOfMonth, Gregorian).dayNumber;
    return true;
  }

  bool ReadEvent(size_t begin, size_t end);
  bool Classify(const EventFields& fields, UserDay* day);

  const Lines& lines_;
  DaysFile* file_;
  std::vector<StoreError>* errors_;
  ContentLine parsed_;
  bool ok_ = true;
};

// The rule's parts, upper-cased: FREQ=YEARLY;RSCALE=ETHIOPIC.
bool RuleParts(const std::string& rule, std::vector<std::pair<std::string, std::string>>* parts) {
  for (size_t from = 0; from < rule.size();) {
    size_t end = rule.find(';', from);
    if (end == std::string::npos) end = rule.size();
    const size_t equals = rule.find('=', from);
    if (equals == std::string::npos || equals > end) return false;
    std::string key = rule.substr(from, equals - from), value = rule.substr(equals + 1, end - equals - 1);
    for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (char& c : value) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    parts->emplace_back(key, value);
    from = end + 1;
  }
  return true;
}

// The repeat a rule means, when it is one Zelmora keeps with the same
// meaning: the rule that would be written for that start, SKIP included
// where the start can miss a month or a year.
bool RepeatOfRule(const std::string& rule, int32_t start, Repeat* repeat) {
  std::vector<std::pair<std::string, std::string>> parts;
  if (!RuleParts(rule, &parts)) return false;
  std::string freq, scale = "GREGORIAN", skip = "OMIT";
  for (const auto& [key, value] : parts) {
    if (key == "FREQ") {
      freq = value;
    } else if (key == "RSCALE") {
      scale = value;
    } else if (key == "SKIP") {
      skip = value;
    } else if (key != "INTERVAL" || value != "1") {
      return false;
    }
  }
  const repeat_dates::Fields ethiopian = repeat_dates::Split(start, Ethiopian);
  const repeat_dates::Fields gregorian = repeat_dates::Split(start, Gregorian);
  if (scale == "ETHIOPIC" && freq == "YEARLY") {
    *repeat = Repeat::kEthiopianYear;
    return !repeat_dates::NeedsBackward(ethiopian) || skip == "BACKWARD";
  }
  if (scale == "ETHIOPIC" && freq == "MONTHLY") {
    *repeat = Repeat::kEthiopianMonth;
    return ethiopian.day < repeat_dates::kPagumeLeapDay || skip == "OMIT";
  }
  if (scale == "GREGORIAN" && freq == "YEARLY") {
    *repeat = Repeat::kGregorianYear;
    const bool leapDay = gregorian.month == repeat_dates::kFebruary && gregorian.day == repeat_dates::kLeapDay;
    return !leapDay || skip == "OMIT";
  }
  return false;
}

// The parameters as they stood: ";LANGUAGE=am".
std::string ParamText(const ContentLine& line) {
  std::string text;
  for (const auto& [key, value] : line.params) {
    const bool quoted = value.find_first_of(":;,") != std::string::npos;
    text += ";" + key + "=" + (quoted ? "\"" + value + "\"" : value);
  }
  return text;
}

// A UID for an event that has none, the same at every reading of the same file.
std::string UidOf(const std::string& raw, int line) {
  uint64_t hash = 14695981039346656037ULL;  // FNV-1a
  for (const char c : raw) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
  char uid[64];
  std::snprintf(uid, sizeof uid, "line%d-%016llx@zelmora.example.org", line, static_cast<unsigned long long>(hash));
  return uid;
}

bool Reader::Classify(const EventFields& fields, UserDay* day) {
  if (fields.changesDates) return false;
  const bool memorial = fields.kind && Upper(fields.kind->value) == kMemorialKind;
  if (fields.hasDates && !memorial) return false;
  if (fields.rule && !RepeatOfRule(fields.rule->value, day->start, &day->repeat)) return false;
  if (memorial && day->repeat != Repeat::kEthiopianYear) return false;
  if (memorial) day->repeat = Repeat::kMemorial;
  return !fields.kind || memorial;
}

bool Reader::ReadEvent(size_t begin, size_t end) {
  std::vector<ContentLine> parsed(end - begin);
  EventFields fields;
  UserDay day;
  int startLine = 0, endLine = 0;
  for (size_t i = begin + 1; i < end; ++i) {
    ContentLine& line = parsed[i - begin];
    ParseContentLine(lines_[i].text, &line);
    if (line.name == "BEGIN") {
      const size_t close = ComponentEnd(i);
      day.kept.lines.push_back(Raw(i, close));
      i = close;
      continue;
    }
    const ContentLine** known = line.name == "UID"           ? &fields.uid
                                : line.name == "DTSTAMP"     ? &fields.stamp
                                : line.name == "DTSTART"     ? &fields.start
                                : line.name == "DTEND"       ? &fields.end
                                : line.name == "RRULE"       ? &fields.rule
                                : line.name == "SUMMARY"     ? &fields.summary
                                : line.name == "DESCRIPTION" ? &fields.description
                                : line.name == "X-ZELMORA-KIND" ? &fields.kind
                                                                : nullptr;
    if (line.name == "RRULE" && fields.rule) fields.changesDates = true;
    if (line.name == "EXDATE" || line.name == "EXRULE" || line.name == "DURATION" || line.name == "RECURRENCE-ID") {
      fields.changesDates = true;
    }
    if (line.name == "RDATE") {
      fields.hasDates = true;
    } else if (known && !*known) {
      *known = &line;
      if (known == &fields.start) startLine = lines_[i].line;
      if (known == &fields.end) endLine = lines_[i].line;
    } else {
      day.kept.lines.push_back(lines_[i].raw);
    }
  }
  if (!fields.start || !DateValue(*fields.start, startLine, &day.start)) return false;
  int32_t endDay = 0;
  if (fields.end && (!DateValue(*fields.end, endLine, &endDay) || endDay != day.start + 1)) return false;
  if (!Classify(fields, &day)) return false;
  day.uid = fields.uid ? fields.uid->value : UidOf(Raw(begin, end), lines_[begin].line);
  if (fields.stamp) day.kept.stamp = fields.stamp->name + ParamText(*fields.stamp) + ":" + fields.stamp->value;
  if (fields.summary) day.name = Unescaped(fields.summary->value), day.kept.nameParams = ParamText(*fields.summary);
  if (fields.description) {
    day.note = Unescaped(fields.description->value);
    day.kept.noteParams = ParamText(*fields.description);
  }
  day.kept.oneDayEnd = fields.end != nullptr;
  file_->days.push_back(std::move(day));
  return true;
}

}  // namespace

bool ReadDaysFile(const std::string& text, DaysFile* file, std::vector<StoreError>* errors) {
  *file = DaysFile();
  const Lines lines = UnfoldedLines(text);
  return Reader(lines, file, errors).Read();
}

bool ReadDays(const std::string& text, std::vector<UserDay>* days, std::vector<StoreError>* errors) {
  DaysFile file;
  const bool read = ReadDaysFile(text, &file, errors);
  *days = std::move(file.days);
  return read;
}
