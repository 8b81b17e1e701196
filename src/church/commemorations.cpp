#include "church/commemorations.h"

namespace {

constexpr int kDaysInMonth = 30;

// The day-by-day list as the Menbere Berhan Kidest Mariam Cathedral in
// Toronto gives it (quoted at wikimili.com, "Calendar of saints (Orthodox
// Tewahedo)", and at eotc.rastafari.tv, "Feast Days of the Ethiopian Orthodox
// Tewahedo Faith"; the two agree). eotcpathway.com ("Saint days") differs on
// five days: Arsema on the 6th, Dawit beside Hnstata on the 20th, Urael on
// the 22nd, Habte Mariam and Yosef on the 26th and Abune Zena Markos on the 30th.
// The Amharic names are those the church writes in Ethiopic script: ሚካኤል on
// the 12th (the Synaxarium's Nehase 12, scribd.com document 574535720), ተክለ
// ሃይማኖት, ማቴዎስ, ማርቆስ, ዮሐንስ, ጴጥሮስ and ቶማስ (eotcmk.org, "በእንተ ዕረፍቱ ለተክለ
// ሃይማኖት"), በዓታ ማርያም (stteklehaimanotottawa.org, church holidays) and ማርቆስ
// ወንጌላዊ (melakuezezew.blogspot.com, September 2016). No stored
// page gives the whole round in Ethiopic script; the other names are written
// as the Synaxarium spells those saints, the English list's glosses left out.
const ChurchName kCommemorations[kDaysInMonth] = {
    {"Lideta (Birth of Mary) and Elias", "ልደታ ለማርያም እና ኤልያስ"},
    {"Thaddeus", "ታዴዎስ ሐዋርያ"},
    {"Ba'eta (Presentation of Mary in the Temple)", "በዓታ ማርያም"},
    {"Yohannes Wolde Negodgwad (John, Son of Thunder)", "ዮሐንስ ወልደ ነጎድጓድ"},
    {"Petros and Paulos, and Gebre Menfes Kidus", "ጴጥሮስ ወጳውሎስ እና አቡነ ገብረ መንፈስ ቅዱስ"},
    {"Our Lady of Qusquam", "ቍስቋም ማርያም"},
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
    {"Hnstata", "ሕንጸታ"},
    {"Mariam (the Virgin Mary)", "ማርያም"},
    {"Deqsius", "ደቅስዮስ"},
    {"Giyorgis (Saint George)", "ጊዮርጊስ"},
    {"Abune Tekle Haymanot", "አቡነ ተክለ ሃይማኖት"},
    {"Merkorios (Saint Mercurius)", "መርቆሬዎስ"},
    {"Thomas the Apostle", "ቶማስ ሐዋርያ"},
    {"Medhane Alem (Saviour of the World)", "መድኃኔ ዓለም"},
    {"Amanuel (Emmanuel)", "አማኑኤል"},
    {"Bale Wold (Feast of God the Son)", "በዓለ ወልድ"},
    {"Markos (Mark the Evangelist)", "ማርቆስ ወንጌላዊ"},
};

}  // namespace

const ChurchName* CommemorationOfDay(int dayOfMonth) {
  return dayOfMonth >= 1 && dayOfMonth <= kDaysInMonth ? &kCommemorations[dayOfMonth - 1] : nullptr;
}
