#pragma once

#include <FL/Fl_Menu_Item.H>

#include "gui/mainwin/settings.h"

// Without an Ethiopic face, offers Tool > Amharic and Ge'ez numerals
// inactive, naming the package to install, and takes English and digits
// instead of the saved choice, saying so once on standard error.
void WithoutEthiopicFace(Settings& saved, Fl_Menu_Item* amharicItem, Fl_Menu_Item* geezItem);
