#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/locale/translation.h"

// The one rule for text that comes in, typed or read from a file: valid UTF-8
// (RFC 3629: the shortest form, no surrogates, nothing past U+10FFFF) and no
// control character, but a newline or a tab where the text may have lines.
// Such text is refused, never mended: a stripped byte would change what the
// user wrote without a word.
enum class TextLines { kOne, kMany };

// Where text breaks the rule (the first byte, from 0), and how; true when it
// keeps it.
struct TextFault {
  size_t at = 0;
  bool control = false;  // a control character, else a byte that is no UTF-8
};
bool TextKeepsRule(std::string_view text, TextLines lines, TextFault* fault);
// Only the UTF-8 half, for whole lines of a file.
bool IsUtf8(std::string_view text, size_t* at);
// "byte 4 is not UTF-8", "byte 9 is a control character": counted from 1,
// in the language the messages speak.
std::string FaultText(const TextFault& fault);
// Whose text it is, around FaultText: "the name's byte 4 is not UTF-8".
inline constexpr char kNameFault[] = N_("the name's %s");
inline constexpr char kNoteFault[] = N_("the note's %s");
