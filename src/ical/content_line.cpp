#include "ical/content_line.h"

#include <cctype>
#include <ctime>

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool IsNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

// Reads a parameter value from at, quoted or not, up to ';', ':' or ','.
std::string ParamValue(const std::string& text, std::size_t* at) {
  std::string value;
  if (*at < text.size() && text[*at] == '"') {
    const std::size_t close = text.find('"', *at + 1);
    if (close == std::string::npos) {
      *at = std::string::npos;
      return value;
    }
    value = text.substr(*at + 1, close - *at - 1);
    *at = close + 1;
    return value;
  }
  const std::size_t end = text.find_first_of(";:", *at);
  if (end == std::string::npos) {
    *at = std::string::npos;
    return value;
  }
  value = text.substr(*at, end - *at);
  *at = end;
  return value;
}

}  // namespace

void AddLine(const std::string& line, std::string* ics) {
  constexpr std::size_t kMostOctets = 75;
  std::size_t from = 0;
  for (std::size_t room = kMostOctets; line.size() - from > room; room = kMostOctets - 1) {
    std::size_t cut = from + room;
    while ((static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;  // a continuation byte
    *ics += (from ? " " : "") + line.substr(from, cut - from) + "\r\n";
    from = cut;
  }
  *ics += (from ? " " : "") + line.substr(from) + "\r\n";
}

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    if (c == '\n') {
      escaped += "\\n";
    } else {
      if (c == '\\' || c == ';' || c == ',') escaped += '\\';
      escaped += c;
    }
  }
  return escaped;
}

std::string Unescaped(const std::string& value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    const char next = value[++i];
    text += next == 'n' || next == 'N' ? '\n' : next;
  }
  return text;
}

std::vector<UnfoldedLine> UnfoldedLines(const std::string& text) {
  std::vector<UnfoldedLine> lines;
  int number = 0;
  for (std::size_t from = 0; from < text.size();) {
    std::size_t end = text.find('\n', from);
    if (end == std::string::npos) end = text.size();
    std::size_t stop = end;
    if (stop > from && text[stop - 1] == '\r') --stop;
    const std::string physical = text.substr(from, stop - from);
    ++number;
    from = end + 1;
    if (physical.empty()) continue;
    const bool continues = physical[0] == ' ' || physical[0] == '\t';
    if (continues && !lines.empty()) {
      lines.back().text += physical.substr(1);
      lines.back().raw += "\r\n" + physical;
    } else {
      lines.push_back({number, physical, physical});
    }
  }
  return lines;
}

std::string ContentLine::Param(const std::string& param) const {
  for (const auto& [key, value] : params) {
    if (key == param) return value;
  }
  return "";
}

bool ParseContentLine(const std::string& text, ContentLine* parsed) {
  std::size_t at = 0;
  while (at < text.size() && IsNameCharacter(text[at])) ++at;
  if (at == 0) return false;
  parsed->name = Upper(text.substr(0, at));
  parsed->params.clear();
  while (at < text.size() && text[at] == ';') {
    const std::size_t equals = text.find('=', at);
    if (equals == std::string::npos) return false;
    const std::string key = Upper(text.substr(at + 1, equals - at - 1));
    at = equals + 1;
    const std::string value = ParamValue(text, &at);
    if (at == std::string::npos) return false;
    parsed->params.emplace_back(key, value);
  }
  if (at >= text.size() || text[at] != ':') return false;
  parsed->value = text.substr(at + 1);
  return true;
}

std::string StampLine(std::time_t now) {
  std::tm utc{};
  char stamp[sizeof "DTSTAMP:20261208T045500Z"];
  if (!gmtime_r(&now, &utc) || !std::strftime(stamp, sizeof stamp, "DTSTAMP:%Y%m%dT%H%M%SZ", &utc)) return "";
  return stamp;
}
