#include "cli/command_error.h"

#include <cstdio>

#include "core/locale/translation.h"

const char kExclude[] = N_("%s and %s exclude each other; expected one");
const char kGoesWith[] = N_("%s goes with %s; expected both");
const char kCannotWriteCalendar[] = N_("cannot write the iCalendar file: %s");

namespace {

// Longer arguments are cut to this many bytes (at a character's start) and "…".
constexpr std::size_t kQuotedLength = 60;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The code point of the UTF-8 sequence at text[at] and its length; a stray
// byte counts as itself.
char32_t CodePointAt(const std::string& text, std::size_t at, std::size_t& length) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (at + length > text.size()) length = 1;
  char32_t point = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[at + i]))) {
      length = 1;
      return lead;
    }
    point = point << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
  }
  return point;
}

bool ReordersText(char32_t point) {
  return point == 0x061C || point == 0x200E || point == 0x200F || (point >= 0x202A && point <= 0x202E) ||
         (point >= 0x2066 && point <= 0x2069);
}

std::string Escape(char32_t point) {
  char text[16];
  if (point == '\n') return "\\n";
  if (point == '\t') return "\\t";
  if (point == '\r') return "\\r";
  std::snprintf(text, sizeof text, point < 0x100 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(point));
  return text;
}

}  // namespace

std::string Quoted(const std::string& text) {
  std::string shown = "\"";
  std::size_t at = 0, length = 0;
  for (; at < text.size() && at < kQuotedLength; at += length) {
    const char32_t point = CodePointAt(text, at, length);
    const bool control = point < ' ' || point == 0x7F || (point >= 0x80 && point < 0xA0 && length > 1);
    shown += control || ReordersText(point) ? Escape(point) : text.substr(at, length);
  }
  return shown + (at < text.size() ? "\"…" : "\"");
}
