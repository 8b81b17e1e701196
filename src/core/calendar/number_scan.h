#pragma once

#include <cctype>
#include <cstdio>

// Reads decimal integers the way scanf's "%d" does (leading white space, an
// optional sign, digits) but without its undefined behaviour on overflow:
// a number too long for any date field saturates at kScanHuge.
constexpr long long kScanHuge = 1000000000000LL;

struct TextSource {
  const char* at;
  int Peek() const { return *at ? static_cast<unsigned char>(*at) : EOF; }
  void Next() { ++at; }
};

struct FileSource {
  std::FILE* file;
  int Peek() const {
    const int c = std::getc(file);
    if (c != EOF) std::ungetc(c, file);
    return c;
  }
  void Next() { std::getc(file); }
};

// True when a number was read into value; otherwise value is untouched.
template <class Source>
bool ScanInt(Source& source, long long& value) {
  while (source.Peek() != EOF && std::isspace(source.Peek())) source.Next();
  const bool negative = source.Peek() == '-';
  if (negative || source.Peek() == '+') source.Next();
  if (source.Peek() == EOF || !std::isdigit(source.Peek())) return false;
  long long magnitude = 0;
  for (; source.Peek() != EOF && std::isdigit(source.Peek()); source.Next()) {
    if (magnitude < kScanHuge) magnitude = magnitude * 10 + (source.Peek() - '0');
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

// Matches one literal character, as a non-blank character of a scanf format does.
template <class Source>
bool ScanLiteral(Source& source, char literal) {
  if (source.Peek() != static_cast<unsigned char>(literal)) return false;
  source.Next();
  return true;
}
