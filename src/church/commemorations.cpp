#include "church/commemorations.h"

namespace {

constexpr int kDaysInMonth = 30;

// The day-by-day list as the Menbere Berhan Kidest Mariam Cathedral in
// Toronto gives it (quoted at wikimili.com, "Calendar of saints (Orthodox
// Tewahedo)", and at eotc.rastafari.tv, "Feast Days of the Ethiopian Orthodox
// Tewahedo Faith"; the two agree). eotcpathway.com ("Saint days") differs on
// five days: Arsema on the 6th, Dawit beside Hnstata on the 20th, Urael on
// the 22nd, Habte Mariam and Yosef on the 26th and Abune Zena Markos on the 30th.
const char* const kCommemorations[kDaysInMonth] = {
    "Lideta (Birth of Mary) and Elias",
    "Thaddeus",
    "Ba'eta (Presentation of Mary in the Temple)",
    "Yohannes Wolde Negodgwad (John, Son of Thunder)",
    "Petros and Paulos, and Gebre Menfes Kidus",
    "Our Lady of Qusquam",
    "Selassie (the Holy Trinity)",
    "Kiros and Abba Banuda",
    "Thomas (not the Apostle)",
    "Meskel (the Holy Cross)",
    "Hanna and Iyakem, and Fasiledes",
    "Mikael (Michael the Archangel), Samuel and Yared",
    "Egziabher Ab (God the Father) and Rufael",
    "Abune Aregawi and Gebre Kristos",
    "Kirkos and Iyeluta",
    "Kidane Mihret (Covenant of Mercy)",
    "Estifanos (Stephen) and Abba Gerima",
    "Ewostatewos",
    "Gabriel the Archangel",
    "Hnstata",
    "Mariam (the Virgin Mary)",
    "Deqsius",
    "Giyorgis (Saint George)",
    "Abune Tekle Haymanot",
    "Merkorios (Saint Mercurius)",
    "Thomas the Apostle",
    "Medhane Alem (Saviour of the World)",
    "Amanuel (Emmanuel)",
    "Bale Wold (Feast of God the Son)",
    "Markos (Mark the Evangelist)",
};

}  // namespace

const char* CommemorationOfDay(int dayOfMonth) {
  return dayOfMonth >= 1 && dayOfMonth <= kDaysInMonth ? kCommemorations[dayOfMonth - 1] : nullptr;
}
