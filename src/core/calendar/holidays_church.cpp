#include "core/calendar/fasika_distances.h"
#include "core/calendar/holiday_rule.h"
#include "core/calendar/holidays.h"

namespace {

constexpr unsigned kPublicFeast = kPublicHoliday | kChurchDay;
constexpr unsigned kMajor = kChurchDay | kMajorFeast;
constexpr unsigned kMinor = kChurchDay | kMinorFeast;
constexpr unsigned kPublicMajor = kPublicFeast | kMajorFeast;

// The feasts of the Lord, nine major and nine minor, as the church's general
// council lists them (eotcgeneralcouncil.wixsite.com/mysite/festavils, the
// text also printed at ethiopianorthodox.org/english/calendar.html):
// major the Conception, Genna, Timket, the Transfiguration, Hosanna, Siklet,
// Fasika, Erget and Paraclete; minor Sibket, Berhan, Nolawi, Genna, Gizret,
// Cana of Galilee, Debre Zeit, Megabit Meskel and Lidete Simeon. Dates:
// - Conception Megabit 29, Transfiguration (Debre Tabor) Nehase 13, Sibket,
//   Berhan and Nolawi the Sundays of Tahsas 5-11, 12-18 and 19-26, Lidete
//   Simeon Yakatit 8 (the parish of Keraneyo Medhane Alem, Toronto,
//   eotc-ma.com/blog/page/13). Its Nolawi week has eight days and two
//   Sundays when Tahsas 19 is one; here the first is kept. Its ninth minor
//   feast is Meskel, Meskerem 17, where the council names Megabit Meskel;
//   the council is followed, and Meskel stays the public feast it is.
// - Gizret Tir 6 and Cana Tir 12 (eotcmk.org, "Feast of Circumcision of Lord
//   Jesus Christ" and "Cana of Galilee"); Megabit Meskel, the Cross's first
//   appearance, 19 March, Megabit 10 (eotcmk.org/e/category/holy-scriptures/page/9).
// - The minor Genna is Genna's own day, so it is not listed twice.
// The Marian feasts, from the "thirty three feasts of our Lady" (the council):
// Filseta (the Assumption), Nehase 16, ending the Filseta fast
// (en.wikipedia.org "Filseta"; eotcmk.org on St George's relics, "Nehasie 16
// ... overlaps with the feast of the Assumption"); Ba'eta, her entering the
// Temple, Tahsas 3 (eotcmk.org, "She lived in the Temple"); Asterio, her
// departure, Tir 21 (eotcmk.org, "The Departure of Saint Mary";
// boundlessethiopia.com, "Asteroye Maryam"); Kidane Mihret Yekatit 16 and
// Lideta Ginbot 1 (boundlessethiopia.com; tourlalibelaholidays.com puts
// Lideta on "1st of May" Gregorian, which is Miazia 23, not Ginbot 1);
// Hidar Tsion Hidar 21 (easygoethiopia.com, 30 November; entewawek.com).
// The yearly feasts of the saints kept monthly: Mikael Hidar 12
// (ethiopianwanderlust.com, 21 November 2018); Gabriel Tahsas 19
// (actiontours.com.et, Kulubi; afrikamonamour.blogspot.com says Tahsas 19
// and then, wrongly, "the 29th day of the month of Tahsas"); Giyorgis
// Miazia 23, his martyrdom (theorthodoxchurch.info quoting eotcmk.org;
// johnsrepentance.org); Tekle Haymanot Tahsas 24, his birth (eotcmk.org,
// "Feast of Abune Tekele Haimanot"); Gebre Menfes Kidus Tir 5, moved from
// Tahsas 29 (eotcmk.org); Selassie Hamle 7 and Tir 7 (themeskel.org/tir;
// eotcmk.org gives Tir 7 alone); Rufael Pagume 3 (eotcmk.org, "Archangel
// Saint Raphael").
// The Amharic names are written as the church's pages spell these feasts.
const HolidayRule kChurchRules[] = {
    {Rule::kEthiopian, 1, 17, "Meskel (Finding of the True Cross)", "መስቀል", kPublicFeast},
    {Rule::kEthiopian, 3, 12, "Mikael (Hidar Mikael)", "ኅዳር ሚካኤል", kChurchDay},
    {Rule::kEthiopian, 3, 21, "Hidar Tsion (Our Lady of Zion)", "ኅዳር ጽዮን", kChurchDay},
    {Rule::kEthiopian, 4, 3, "Ba'eta Mariam (Mary enters the Temple)", "በዓታ ማርያም", kChurchDay},
    {Rule::kSundayFrom, 4, 5, "Sibket (the prophets' preaching)", "ስብከት", kMinor},
    {Rule::kSundayFrom, 4, 12, "Berhan (the Light)", "ብርሃን", kMinor},
    {Rule::kEthiopian, 4, 19, "Gabriel (Kulubi Gabriel)", "ታኅሣሥ ገብርኤል", kChurchDay},
    {Rule::kSundayFrom, 4, 19, "Nolawi (the Good Shepherd)", "ኖላዊ", kMinor},
    {Rule::kEthiopian, 4, 24, "Abune Tekle Haymanot (his birth)", "ልደተ ተክለ ሃይማኖት", kChurchDay},
    {Rule::kGenna, 0, 0, "Genna (Christmas)", "ገና", kPublicMajor},
    {Rule::kEthiopian, 5, 5, "Abune Gebre Menfes Kidus", "አቡነ ገብረ መንፈስ ቅዱስ", kChurchDay},
    {Rule::kEthiopian, 5, 6, "Gizret (Circumcision)", "ግዝረት", kMinor},
    {Rule::kEthiopian, 5, 7, "Selassie (Holy Trinity)", "ጥር ሥላሴ", kChurchDay},
    {Rule::kEthiopian, 5, 11, "Timket (Epiphany)", "ጥምቀት", kPublicMajor},
    {Rule::kEthiopian, 5, 12, "Cana of Galilee", "ቃና ዘገሊላ", kMinor},
    {Rule::kEthiopian, 5, 21, "Asterio Mariam (Mary's departure)", "አስተርእዮ ማርያም", kChurchDay},
    {Rule::kEthiopian, 6, 8, "Lidete Simeon", "ልደተ ስምዖን", kMinor},
    {Rule::kEthiopian, 6, 16, "Kidane Mihret (Covenant of Mercy)", "ኪዳነ ምሕረት", kChurchDay},
    {Rule::kEthiopian, 7, 10, "Megabit Meskel", "መጋቢት መስቀል", kMinor},
    {Rule::kEthiopian, 7, 29, "Tsinset (the Conception)", "ጽንሰት", kMajor},
    {Rule::kEthiopian, 8, 23, "Giyorgis (Saint George)", "ሚያዝያ ጊዮርጊስ", kChurchDay},
    {Rule::kEthiopian, 9, 1, "Lideta Mariam (Mary's birth)", "ግንቦት ልደታ", kChurchDay},
    {Rule::kEthiopian, 11, 7, "Selassie (Holy Trinity)", "ሐምሌ ሥላሴ", kChurchDay},
    {Rule::kEthiopian, 12, 13, "Debre Tabor (Transfiguration)", "ደብረ ታቦር", kMajor},
    {Rule::kEthiopian, 12, 16, "Filseta (Assumption)", "ፍልሰታ", kChurchDay},
    {Rule::kEthiopian, 13, 3, "Rufael (Raphael the Archangel)", "ሩፋኤል", kChurchDay},
    {Rule::kFasika, from_fasika::kNineveh, 0, "Nineveh fast begins", "ጾመ ነነዌ", kChurchDay},
    {Rule::kFasika, from_fasika::kAbiyTsom, 0, "Abiy Tsom (Lent) begins", "ዐቢይ ጾም", kChurchDay},
    {Rule::kFasika, from_fasika::kDebreZeit, 0, "Debre Zeit", "ደብረ ዘይት", kMinor},
    {Rule::kFasika, from_fasika::kHosanna, 0, "Hosanna (Palm Sunday)", "ሆሣዕና", kMajor},
    {Rule::kFasika, from_fasika::kSiklet, 0, "Siklet (Good Friday)", "ስቅለት", kPublicMajor},
    {Rule::kFasika, 0, 0, "Fasika (Easter)", "ፋሲካ", kPublicMajor},
    {Rule::kFasika, from_fasika::kRikbeKahnat, 0, "Rikbe Kahnat", "ርክበ ካህናት", kChurchDay},
    {Rule::kFasika, from_fasika::kErget, 0, "Erget (Ascension)", "ዕርገት", kMajor},
    {Rule::kFasika, from_fasika::kParaclete, 0, "Paraclete (Pentecost)", "ጰራቅሊጦስ", kMajor},
    {Rule::kFasika, from_fasika::kHawaryat, 0, "Tsome Hawaryat begins", "ጾመ ሐዋርያት", kChurchDay},
};

}  // namespace

HolidayRules ChurchFeastRules() { return {kChurchRules, sizeof kChurchRules / sizeof kChurchRules[0]}; }
