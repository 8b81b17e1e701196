#include "gui/fonts/ethiopic_face.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <fontconfig/fontconfig.h>

#include <string>

namespace {

constexpr Fl_Font kEthiopicSlot = FL_FREE_FONT;
constexpr FcChar32 kEthiopicLetter = 0x12A0;         // አ
constexpr FcChar32 kGeezNumeral = 0x137B;            // ፻
const char* const kPreferred[] = {"Abyssinica SIL", "Noto Sans Ethiopic", "Noto Serif Ethiopic"};

bool CoversEthiopic(FcPattern* face) {
  FcCharSet* letters = nullptr;
  return FcPatternGetCharSet(face, FC_CHARSET, 0, &letters) == FcResultMatch &&
         FcCharSetHasChar(letters, kEthiopicLetter) && FcCharSetHasChar(letters, kGeezNumeral);
}

// The installed families that cover Ethiopic; the preferred ones first.
std::string FindFamily() {
  FcPattern* any = FcPatternCreate();
  FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, FC_CHARSET, nullptr);
  FcFontSet* faces = FcFontList(nullptr, any, wanted);
  std::string found;
  int rank = sizeof kPreferred / sizeof *kPreferred;  // past the preferred ones
  for (int i = 0; faces && i < faces->nfont; ++i) {
    FcChar8* family = nullptr;
    if (!CoversEthiopic(faces->fonts[i]) || FcPatternGetString(faces->fonts[i], FC_FAMILY, 0, &family) != FcResultMatch) {
      continue;
    }
    const std::string name = reinterpret_cast<const char*>(family);
    int here = sizeof kPreferred / sizeof *kPreferred;
    for (int p = 0; p < here; ++p) {
      if (name == kPreferred[p]) here = p;
    }
    if (found.empty() || here < rank) found = name, rank = here;
  }
  if (faces) FcFontSetDestroy(faces);
  FcObjectSetDestroy(wanted);
  FcPatternDestroy(any);
  return found;
}

}  // namespace

Fl_Font EthiopicFont() {
  static const Fl_Font font = [] {
    const std::string family = FindFamily();
    if (family.empty()) return FL_HELVETICA;
    // The leading blank asks the toolkit for the face's regular style.
    static const std::string name = " " + family;
    Fl::set_font(kEthiopicSlot, name.c_str());
    return kEthiopicSlot;
  }();
  return font;
}

bool HasEthiopicFace() { return EthiopicFont() != FL_HELVETICA; }

void UseEthiopicTooltips() {
  if (HasEthiopicFace()) Fl_Tooltip::font(EthiopicFont());
}

void UseEthiopicInterface(bool on) {
  static const char* const usual = Fl::get_font(FL_HELVETICA);
  if (!HasEthiopicFace()) return;
  Fl::set_font(FL_HELVETICA, on ? Fl::get_font(EthiopicFont()) : usual);
}
