#pragma once

#include <string_view>

// The property names the days reader acts on; every other is kept as it was read.
enum class PropertyName {
  kOther, kBegin, kEnd, kVersion, kProdid, kUid, kStamp, kStart, kDtEnd, kRule, kSummary, kDescription, kKind,
  kRdate, kChangesDates,  // EXDATE, EXRULE, DURATION, RECURRENCE-ID
  kScale,
};
// Which name it is, looked up once a line: by its length, then its letters.
PropertyName IdentifyProperty(std::string_view text);
