#include "core/ical/text_rule.h"

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kFirstMultiByte = 0x80;  // also the first continuation byte
constexpr unsigned char kLastContinuation = 0xBF;

// The length of the UTF-8 sequence at text[at], or 0 when it is none.
// The second byte's range rules out overlong forms, surrogates and code
// points past U+10FFFF (RFC 3629, 4).
size_t SequenceLength(std::string_view text, size_t at) {
  struct Lead {
    unsigned char first, last;        // the lead byte's range
    size_t length;                    // the bytes of the sequence
    unsigned char secondLow, secondHigh;  // the second byte's range
  };
  static constexpr Lead kLeads[] = {
      {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
      {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
      {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
  };
  const auto byte = [text](size_t i) { return static_cast<unsigned char>(text[i]); };
  for (const Lead& lead : kLeads) {
    if (byte(at) < lead.first || byte(at) > lead.last) continue;
    if (at + lead.length > text.size() || byte(at + 1) < lead.secondLow || byte(at + 1) > lead.secondHigh) return 0;
    for (size_t i = 2; i < lead.length; ++i) {
      if (byte(at + i) < kFirstMultiByte || byte(at + i) > kLastContinuation) return 0;
    }
    return lead.length;
  }
  return 0;
}

bool IsControl(unsigned char c, TextLines lines) {
  if (lines == TextLines::kMany && (c == '\n' || c == '\t')) return false;
  return c < kFirstPrintable || c == kDelete;
}

// The first byte that breaks the rule, control characters being those
// isControl says.
template <typename Control>
bool Scan(std::string_view text, Control isControl, TextFault* fault) {
  for (size_t at = 0; at < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[at]);
    const size_t length = c >= kFirstMultiByte ? SequenceLength(text, at) : isControl(c) ? 0 : 1;
    if (length == 0) {
      *fault = {at, c < kFirstMultiByte};
      return false;
    }
    at += length;
  }
  return true;
}

}  // namespace

bool TextKeepsRule(std::string_view text, TextLines lines, TextFault* fault) {
  return Scan(text, [lines](unsigned char c) { return IsControl(c, lines); }, fault);
}

bool IsUtf8(std::string_view text, size_t* at) {
  TextFault fault;
  if (Scan(text, [](unsigned char) { return false; }, &fault)) return true;
  *at = fault.at;
  return false;
}

std::string FaultText(const TextFault& fault) {
  return Filled(Tr(fault.control ? N_("byte %s is a control character") : N_("byte %s is not UTF-8")),
                {std::to_string(fault.at + 1)});
}
