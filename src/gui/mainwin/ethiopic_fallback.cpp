#include "gui/mainwin/ethiopic_fallback.h"

#include <cstdio>
#include <string>

#include "gui/fonts/ethiopic_face.h"
#include "core/locale/translation.h"

// Amharic and Ge'ez numerals would be drawn as boxes: their items say what
// to install, and a start that would be in Amharic says why it is not.
void WithoutEthiopicFace(Settings& saved, Fl_Menu_Item* amharicItem, Fl_Menu_Item* geezItem) {
  if (HasEthiopicFace()) return;
  static bool told = false;
  if (!told && (saved.language != Language::kEnglish || saved.geez)) {
    std::fprintf(stderr, "zelmora: no font with Ethiopic letters is installed (%s): the window shows English and digits\n",
                 kEthiopicFacePackage);
    told = true;
  }
  saved.language = Language::kEnglish;
  saved.geez = false;
  static const std::string amharic = Filled(Tr("%s (needs %s)"), {Tr(amharicItem->label()), kEthiopicFacePackage});
  static const std::string geez = Filled(Tr("%s (needs %s)"), {Tr(geezItem->label()), kEthiopicFacePackage});
  amharicItem->label(amharic.c_str());
  geezItem->label(geez.c_str());
  amharicItem->deactivate();
  geezItem->deactivate();
}
