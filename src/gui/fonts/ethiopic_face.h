#pragma once

#include <FL/Enumerations.H>

// A face that has the Ethiopic letters and Ge'ez numerals, found through
// fontconfig the first time it is asked for: Abyssinica SIL, else Noto Sans
// Ethiopic, else any installed face that covers them. Text in it never shows
// as boxes. Without any such face, the toolkit's usual face.
Fl_Font EthiopicFont();

// Whether a face with the Ethiopic letters and Ge'ez numerals is installed,
// and the Debian package that brings the one preferred.
bool HasEthiopicFace();
inline constexpr char kEthiopicFacePackage[] = "fonts-sil-abyssinica";

// Draws the toolkit's usual face (labels, menus, message boxes) in the
// Ethiopic face, whose Latin letters and digits serve the English texts
// too; off, the usual face again.
void UseEthiopicInterface(bool on);

// Draws the tooltips in the Ethiopic face, as holidays' tooltips carry their
// Amharic names in every language; the face is opened when one first shows.
void UseEthiopicTooltips();
