#include "core/days/property_name.h"

#include "core/ical/content_line.h"

PropertyName IdentifyProperty(std::string_view text) {
  const auto one = [text](std::string_view word, PropertyName name) { return Is(text, word) ? name : PropertyName::kOther; };
  switch (text.size()) {
    case 3: return Is(text, "END") ? PropertyName::kEnd : one("UID", PropertyName::kUid);
    case 5:
      if (Is(text, "BEGIN")) return PropertyName::kBegin;
      if (Is(text, "DTEND")) return PropertyName::kDtEnd;
      return Is(text, "RRULE") ? PropertyName::kRule : one("RDATE", PropertyName::kRdate);
    case 6:
      if (Is(text, "PRODID")) return PropertyName::kProdid;
      return Is(text, "EXDATE") ? PropertyName::kChangesDates : one("EXRULE", PropertyName::kChangesDates);
    case 7:
      if (Is(text, "DTSTART")) return PropertyName::kStart;
      if (Is(text, "DTSTAMP")) return PropertyName::kStamp;
      return Is(text, "SUMMARY") ? PropertyName::kSummary : one("VERSION", PropertyName::kVersion);
    case 8: return Is(text, "DURATION") ? PropertyName::kChangesDates : one("CALSCALE", PropertyName::kScale);
    case 11: return one("DESCRIPTION", PropertyName::kDescription);
    case 13: return one("RECURRENCE-ID", PropertyName::kChangesDates);
    case 14: return one("X-ZELMORA-KIND", PropertyName::kKind);
    default: return PropertyName::kOther;
  }
}
