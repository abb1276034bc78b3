#include "home/zones.h"


namespace kestrel {

// The texts are as the list has always shown them, blanks included.
const std::array<ZoneEntry, 93> ZoneOffsets = {{
    {"Eastern         (-5:00)", -5.0},
    {"Central          (-6:00)", -6.0},
    {"Mountain      (-7:00)", -7.0},
    {"Pacific          (-8:00)", -8.0},
    {"Eastern DT   (-4:00)", -4.0},
    {"Central DT    (-5:00)", -5.0},
    {"Mountain DT(-6:00)", -6.0},
    {"Pacific DT    (-7:00)", -7.0},
    {"Arizona      (-07:00)", -7.0},
    {"Alaska       (-9:00)", -9.0},
    {"Hawaii       (-10:00)", -10.0},
    {"GMT (-12:00)", -12.0},
    {"GMT (-11:00)", -11.0},
    {"GMT (-10:00)", -10.0},
    {"GMT (-9:00)", -9.0},
    {"GMT (-8:00)", -8.0},
    {"GMT (-7:00)", -7.0},
    {"GMT (-6:00)", -6.0},
    {"GMT (-5:00)", -5.0},
    {"GMT (-4:00)", -4.0},
    {"GMT (-3:00)", -3.0},
    {"GMT (-2:00)", -2.0},
    {"GMT (-1:00)", -1.0},
    {"GMT (0:00)", 0.0},
    {"GMT (+1:00)", 1.0},
    {"GMT (+2:00)", 2.0},
    {"GMT (+3:00)", 3.0},
    {"GMT (+4:00)", 4.0},
    {"GMT (+5:00)", 5.0},
    {"GMT (+6:00)", 6.0},
    {"GMT (+7:00)", 7.0},
    {"GMT (+8:00)", 8.0},
    {"GMT (+9:00)", 9.0},
    {"GMT (+10:00)", 10.0},
    {"GMT (+11:00)", 11.0},
    {"International Dateline (-12:00) Eniwetok, Kwajalein", -12.0},
    {"Samoa (-11:00) Midway Island, Samoa", -11.0},
    {"Pacific (-08:00) Pacific Time (Canada); Tijuana", -8.0},
    {"Mountain (-07:00) Mountain Time (Canada)", -7.0},
    {"Central (-06:00) Central Time (Canada)", -6.0},
    {"Canada Central (-06:00) Saskatchewan", -6.0},
    {"Mexico (-06:00) Mexico City, Tegucigalpa", -6.0},
    {"Eastern (-05:00) Eastern Time (Canada)", -5.0},
    {"US Eastern (-05:00) Indiana (East)", -5.0},
    {"SA Pacific (-05:00) Bogota, Lima, Quito", -5.0},
    {"Atlantic (-04:00) Atlantic Time (Canada)", -4.0},
    {"SA Western (-04:00) Caracas, La Paz", -4.0},
    {"Pacific SA (-04:00) Santiago", -4.0},
    {"Newfoundland (-03:30) Newfoundland", -3.5},
    {"E. South America (-03:00) Brasilia", -3.0},
    {"SA Eastern (-03:00) Buenos Aires, Georgetown", -3.0},
    {"Mid-Atlantic (-02:00) Mid-Atlantic", -2.0},
    {"Azores (-01:00) Azores, Cape Verde Is.", -1.0},
    {"GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London", 0.0},
    {"Greenwich (0:00) Casablanca, Monrovia", 0.0},
    {"Central Europe (+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague", 1.0},
    {"Central European (+01:00) Sarajevo, Skopje, Sofija, Warsaw, Zagreb", 1.0},
    {"Romance (+01:00) Brussels, Copenhagen, Madrid, Paris, Vilnius", 1.0},
    {"W. Europe (+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna", 1.0},
    {"E. Europe (+02:00) Bucharest", 2.0},
    {"Egypt (+02:00) Cairo", 2.0},
    {"FLE (+02:00) Helsinki, Riga, Tallinn", 2.0},
    {"GTB (+02:00) Athens, Istanbul, Minsk", 2.0},
    {"Israel (+02:00) Jerusalem", 2.0},
    {"South Africa (+02:00) Harare, Pretoria", 2.0},
    {"Russian (+03:00) Moscow, St. Petersburg, Volgograd", 3.0},
    {"Arab (+03:00) Baghdad, Kuwait, Riyadh", 3.0},
    {"E. Africa (+03:00) Nairobi", 3.0},
    {"Iran (+03:30) Tehran", 3.5},
    {"Arabian (+04:00) Abu Dhabi, Muscat", 4.0},
    {"Caucasus (+04:00) Baku, Tbilisi", 4.0},
    {"Afghanistan (+04:30) Kabul", 4.5},
    {"Ekaterinburg (+05:00) Ekaterinburg", 5.0},
    {"West Asia (+05:00) Islamabad, Karachi, Tashkent", 5.0},
    {"India (+05:30) Bombay, Calcutta, Madras, New Delhi", 5.5},
    {"Central Asia (+06:00) Astana, Almaty, Dhaka", 6.0},
    {"Sri Lanka (+06:00) Colombo", 6.0},
    {"SE Asia (+07:00) Bangkok, Hanoi, Jakarta", 7.0},
    {"China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi", 8.0},
    {"Singapore  (+08:00) Singapore ", 8.0},
    {"Taipei (+08:00) Taipei ", 8.0},
    {"W. Australia (+08:00) Perth", 8.0},
    {"Korea (+09:00) Seoul", 9.0},
    {"Tokyo (+09:00) Osaka, Sapporo, Tokyo", 9.0},
    {"Yakutsk (+09:00) Yakutsk", 9.0},
    {"AUS Central (+09:30) Darwin", 9.5},
    {"Cen. Australia (+09:30) Adelaide", 9.5},
    {"AUS Eastern (+10:00) Canberra, Melbourne, Sydney", 10.0},
    {"E. Australia (+10:00) Brisbane", 10.0},
    {"Tasmania (+10:00) Hobart", 10.0},
    {"Vladivostok (+10:00) Vladivostok", 10.0},
    {"West Pacific (+10:00) Guam, Port Moresby", 10.0},
    {"Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia", 11.0},
}};
bool ZoneOffsetFromText(const std::string& text, double& offset) {
  size_t open = text.find('(');
  while (open != std::string::npos) {
    size_t i = open + 1;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    size_t digitsFrom = i;
    int hours = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') hours = hours * 10 + (text[i++] - '0');
    if (i > digitsFrom && i + 3 < text.size() && (text[i] == ':' || text[i] == '.') &&
        text.compare(i + 3, 1, ")") == 0) {
      bool half = text.compare(i + 1, 2, "30") == 0;
      offset = (hours + (half ? 0.5 : 0.0)) * (negative ? -1 : 1);
      return true;
    }
    open = text.find('(', open + 1);
  }
  return false;
}

}  // namespace kestrel
