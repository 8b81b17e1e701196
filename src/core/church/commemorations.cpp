#include "core/church/commemorations.h"

namespace {

constexpr int kDaysInMonth = 30;

// The day-by-day list as the church's pages give it (eotcpathway.com,
// "Saint days"), checked against the list of the Menbere Berhan Kidest Mariam
// Cathedral in Toronto (quoted at wikimili.com, "Calendar of saints (Orthodox
// Tewahedo)", which marks it "[unreliable source?]", and at eotc.rastafari.tv).
// Where they disagree the church's pages are followed: on the 6th Arsema (the
// cathedral: Our Lady of Qusquam), on the 20th Dawit beside Hnstata, on the
// 22nd Urael (the cathedral: Deqsius), on the 26th Habte Mariam and Yosef
// (the cathedral: Thomas the Apostle) and on the 30th Abune Zena Markos (the
// cathedral: Mark the Evangelist). Where one names only part of the other's
// saints (the 1st, 12th, 13th and 24th), the fuller list is kept.
// The Amharic names are those the church writes in Ethiopic script: ሚካኤል on
// the 12th (the Synaxarium's Nehase 12, scribd.com document 574535720), ተክለ
// ሃይማኖት, ማቴዎስ, ማርቆስ, ዮሐንስ, ጴጥሮስ and ቶማስ (eotcmk.org, "በእንተ ዕረፍቱ ለተክለ
// ሃይማኖት"), በዓታ ማርያም (stteklehaimanotottawa.org, church holidays). No stored
// page gives the whole round in Ethiopic script; the other names are written
// as the Synaxarium spells those saints, the English list's glosses left out.
// The 20th's is the feast's own name in full, ሕንፀተ ቤታ ለማርያም (temro.org,
// "ሕንጸተ ቤታ ለእግዝእትነ ቅድስት ድንግል ማርያም"; wikimili's "Hnstata" shortens it).
const ChurchName kCommemorations[kDaysInMonth] = {
    {"Lideta (Birth of Mary) and Elias", "ልደታ ለማርያም እና ኤልያስ"},
    {"Thaddeus", "ታዴዎስ ሐዋርያ"},
    {"Ba'eta (Presentation of Mary in the Temple)", "በዓታ ማርያም"},
    {"Yohannes Wolde Negodgwad (John, Son of Thunder)", "ዮሐንስ ወልደ ነጎድጓድ"},
    {"Petros and Paulos, and Gebre Menfes Kidus", "ጴጥሮስ ወጳውሎስ እና አቡነ ገብረ መንፈስ ቅዱስ"},
    {"Kidist Arsema", "ቅድስት አርሴማ"},
    {"Selassie (the Holy Trinity)", "ሥላሴ"},
    {"Kiros and Abba Banuda", "ኪሮስ እና አባ ባኑዳ"},
    {"Thomas (not the Apostle)", "ቶማስ"},
    {"Meskel (the Holy Cross)", "መስቀል"},
    {"Hanna and Iyakem, and Fasiledes", "ሐና ወኢያቄም እና ፋሲለደስ"},
    {"Mikael (Michael the Archangel), Samuel and Yared", "ሚካኤል፣ ሳሙኤል እና ያሬድ"},
    {"Egziabher Ab (God the Father) and Rufael", "እግዚአብሔር አብ እና ሩፋኤል"},
    {"Abune Aregawi and Gebre Kristos", "አቡነ አረጋዊ እና ገብረ ክርስቶስ"},
    {"Kirkos and Iyeluta", "ቂርቆስ እና ኢየሉጣ"},
    {"Kidane Mihret (Covenant of Mercy)", "ኪዳነ ምሕረት"},
    {"Estifanos (Stephen) and Abba Gerima", "እስጢፋኖስ እና አባ ገሪማ"},
    {"Ewostatewos", "ኤዎስጣቴዎስ"},
    {"Gabriel the Archangel", "ገብርኤል"},
    {"Hnstata and Dawit", "ሕንፀተ ቤታ ለማርያም እና ቅዱስ ዳዊት"},
    {"Mariam (the Virgin Mary)", "ማርያም"},
    {"Urael (Uriel the Archangel)", "ዑራኤል"},
    {"Giyorgis (Saint George)", "ጊዮርጊስ"},
    {"Abune Tekle Haymanot", "አቡነ ተክለ ሃይማኖት"},
    {"Merkorios (Saint Mercurius)", "መርቆሬዎስ"},
    {"Abune Habte Mariam and Yosef", "አቡነ ሀብተ ማርያም እና ዮሴፍ"},
    {"Medhane Alem (Saviour of the World)", "መድኃኔ ዓለም"},
    {"Amanuel (Emmanuel)", "አማኑኤል"},
    {"Bale Wold (Feast of God the Son)", "በዓለ ወልድ"},
    {"Abune Zena Markos", "አቡነ ዜና ማርቆስ"},
};

// Pagume stands outside the round of months ("ከዐውደ ወር ተርፎ", eotcmk.org,
// "ወርኃ ጳጉሜን"); the monthly commemoration is ዝክር, the one word every
// surface uses for it (derbamichael.blogspot.com, April 2016, writes ወርሃዊ
// መታሰቢያ), and the month is spelt as CLDR spells it.
const ChurchName kNoneInPagume = {"none: Pagume is outside the monthly round", "ጳጉሜን ወርሃዊ ዝክር የለውም"};

}  // namespace

const ChurchName& NoCommemorationInPagume() { return kNoneInPagume; }

const ChurchName* CommemorationOfDay(int dayOfMonth) {
  return dayOfMonth >= 1 && dayOfMonth <= kDaysInMonth ? &kCommemorations[dayOfMonth - 1] : nullptr;
}
