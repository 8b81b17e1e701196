#pragma once

#include <FL/Enumerations.H>

// A face that has the Ethiopic letters and Ge'ez numerals, found through
// fontconfig the first time it is asked for: Abyssinica SIL, else Noto Sans
// Ethiopic, else any installed face that covers them. Text in it never shows
// as boxes. Without any such face, the toolkit's usual face.
Fl_Font EthiopicFont();
