#include "core/ical/content_line.h"

#include <ctime>

namespace {

// The characters of a name (RFC 5545, 3.1: letters, digits, '-'), by table:
// a load reads a hundred thousand names.
struct NameCharacters {
  bool of[256] = {};
  constexpr NameCharacters() {
    for (int c = 'A'; c <= 'Z'; ++c) of[c] = of[c - 'A' + 'a'] = true;
    for (int c = '0'; c <= '9'; ++c) of[c] = true;
    of[static_cast<int>('-')] = true;
  }
};
constexpr NameCharacters kNameCharacters;
bool IsNameCharacter(char c) { return kNameCharacters.of[static_cast<unsigned char>(c)]; }

// Where a parameter's value that starts at at ends: past its closing quote
// when quoted, else at the next ';', ':' or the end.
size_t ParamEnd(std::string_view text, size_t at) {
  if (at < text.size() && text[at] == '"') {
    const size_t close = text.find('"', at + 1);
    return close == std::string_view::npos ? close : close + 1;
  }
  for (; at < text.size(); ++at) {
    if (text[at] == ';' || text[at] == ':') return at;
  }
  return std::string_view::npos;
}

}  // namespace

void AddLine(const std::string& line, std::string* ics) {
  constexpr std::size_t kMostOctets = 75;
  std::size_t from = 0;
  const auto continues = [&line](std::size_t at) { return (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80; };
  for (std::size_t room = kMostOctets; line.size() - from > room; room = kMostOctets - 1) {
    std::size_t cut = from + room;
    while (cut > from && continues(cut)) --cut;
    if (cut == from) cut = from + room;  // a line's worth of continuation bytes is no UTF-8: cut where it stands
    *ics += (from ? " " : "") + line.substr(from, cut - from) + "\r\n";
    from = cut;
  }
  *ics += (from ? " " : "") + line.substr(from) + "\r\n";
}

std::string Escaped(const std::string& text) {
  constexpr char kFirstPrintable = ' ';
  constexpr char kDelete = '\x7f';
  std::string escaped;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // the LF writes the newline
    if (c == '\n' || c == '\r') {
      escaped += "\\n";
      continue;
    }
    // TEXT has no other control characters but tab; a NUL would end the text for other readers.
    if ((c >= 0 && c < kFirstPrintable && c != '\t') || c == kDelete) continue;
    if (c == '\\' || c == ';' || c == ',') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string Unescaped(std::string_view value) {
  if (value.find('\\') == std::string_view::npos) return std::string(value);  // most values: one copy
  std::string text;
  text.reserve(value.size());
  for (std::size_t from = 0;;) {
    const std::size_t slash = value.find('\\', from);
    if (slash == std::string_view::npos || slash + 1 == value.size()) {
      text.append(value.substr(from));
      return text;
    }
    text.append(value.substr(from, slash - from));
    const char next = value[slash + 1];
    text += next == 'n' || next == 'N' ? '\n' : next;
    from = slash + 2;
  }
}

size_t LineReader::LineEnd(size_t begin, size_t* next) const {
  const size_t newline = text_.find('\n', begin);
  if (newline == std::string_view::npos) {
    *next = text_.size();
    return text_.size();
  }
  *next = newline + 1;
  return newline > begin && text_[newline - 1] == '\r' ? newline - 1 : newline;
}

bool LineReader::Next(UnfoldedLine* line) {
  while (at_ < text_.size()) {
    const size_t begin = at_;
    size_t end = LineEnd(begin, &at_);
    line->line = ++number_;
    if (end == begin) continue;
    bool folded = false;
    while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t')) {
      if (!folded) folded_.assign(text_.substr(begin, end - begin));
      folded = true;
      const size_t from = at_ + 1;
      end = LineEnd(from, &at_);
      ++number_;
      folded_.append(text_.substr(from, end - from));
    }
    line->text = folded ? std::string_view(folded_) : text_.substr(begin, end - begin);
    line->begin = begin;
    line->end = end;
    return true;
  }
  return false;
}

std::string WithCrlf(std::string_view raw) {
  std::string text;
  text.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\n' && (i == 0 || raw[i - 1] != '\r')) text += '\r';
    text += raw[i];
  }
  return text;
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

bool SplitLine(std::string_view text, LineParts* parts) {
  size_t at = 0;
  while (at < text.size() && IsNameCharacter(text[at])) ++at;
  if (at == 0) return false;
  parts->name = text.substr(0, at);
  const size_t paramsBegin = at;
  while (at < text.size() && text[at] == ';') {
    const size_t equals = text.find('=', at);
    if (equals == std::string_view::npos || equals > text.find(':', at)) return false;
    at = ParamEnd(text, equals + 1);
    if (at == std::string_view::npos) return false;
  }
  if (at >= text.size() || text[at] != ':') return false;
  parts->params = text.substr(paramsBegin, at - paramsBegin);
  parts->value = text.substr(at + 1);
  return true;
}

std::string_view ParamValue(std::string_view params, std::string_view name) {
  for (size_t at = 0; at < params.size();) {
    const size_t equals = params.find('=', at);
    const size_t end = ParamEnd(params, equals + 1);
    if (Is(params.substr(at + 1, equals - at - 1), name)) return params.substr(equals + 1, end - equals - 1);
    at = end == std::string_view::npos ? params.size() : end;
  }
  return {};
}

std::string StampLine(std::time_t now) {
  std::tm utc{};
  char stamp[sizeof "DTSTAMP:20261208T045500Z"];
  if (!gmtime_r(&now, &utc) || !std::strftime(stamp, sizeof stamp, "DTSTAMP:%Y%m%dT%H%M%SZ", &utc)) return "";
  return stamp;
}
