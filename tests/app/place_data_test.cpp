// The place file shipped with the program: it loads, every state has its cities, every entity
// of the world map's DXCC list has a line, and every line's position converts.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/place_list.h"
#include "app/state_table.h"
#include "core/text.h"
#include "core/text_file.h"
#include "geo/coord_text.h"
#include "worldmap/dxcc_lists.h"

namespace kestrel {
namespace {

class ShippedPlaceFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { lines = new std::vector<std::string>(LoadLines(std::string(KESTREL_DATA_DIR) + "/states.txt")); }
  static void TearDownTestSuite() { delete lines; }
  static std::vector<std::string>* lines;
};
std::vector<std::string>* ShippedPlaceFile::lines = nullptr;

// The coordinate group of an entry, converted: from the first hemisphere marker of the latitude.
LatLon PositionOf(const std::string& entry, std::string& why) {
  size_t n = entry.find(Marker('N')), s = entry.find(Marker('S'));
  size_t from = std::min(n, s);
  if (from == std::string::npos) {
    why = "no latitude";
    return {};
  }
  DecMinsResult r = ConvertToDecMins(entry.substr(from, 100));
  if (!r.ok) {
    why = r.warning;
    return {};
  }
  return SplitCoordPair(r.pair);
}

TEST_F(ShippedPlaceFile, EveryStateHasItsCitiesInsideTheCountry) {
  for (const StateCentre& st : StateCentreTable) {
    std::vector<std::string> cities = EntriesForKey(*lines, StateKey(st));
    EXPECT_GE(cities.size(), 16u) << st.code << ": the capital and at least the 15 largest places";
    std::set<std::string> seen;
    for (const std::string& c : cities) {
      EXPECT_TRUE(seen.insert(c).second) << st.code << " lists " << c << " twice";
      std::string why;
      LatLon p = PositionOf(c, why);
      ASSERT_TRUE(why.empty()) << c << ": " << why;
      // US states: north latitude, west longitude (Hawaii and Alaska included).
      EXPECT_GT(p.lat, 18) << c;
      EXPECT_LT(p.lat, 72) << c;
      EXPECT_GT(p.lon, 66) << c;
      EXPECT_LT(p.lon, 180) << c;
      // Within a few degrees of the state's centre (Alaska and California are large).
      EXPECT_LT(std::abs((double)p.lat - st.lat), 12) << c;
    }
  }
}

TEST_F(ShippedPlaceFile, EveryLineFollowsThePlaceFileRules) {
  for (const std::string& line : *lines) {
    if (line.size() < 3 || line[2] != '~') continue;  // not a place line (the file's header)
    std::string entry = line.substr(3);
    EXPECT_LE(entry.size(), 100u) << line;
    std::string why;
    PositionOf(entry, why);
    EXPECT_TRUE(why.empty()) << line << ": " << why;
    // Exactly one coordinate group: one "\" and one marker of each kind.
    size_t slash = entry.find('\\');
    ASSERT_NE(slash, std::string::npos) << line;
    EXPECT_EQ(entry.find('\\', slash + 1), std::string::npos) << line;
    int markers = 0;
    for (char h : {'N', 'S', 'E', 'W'})
      for (size_t i = entry.find(Marker(h)); i != std::string::npos; i = entry.find(Marker(h), i + 1)) ++markers;
    EXPECT_EQ(markers, 2) << line;
    if (line.compare(0, 3, "DX~") == 0) {
      std::string form;
      EXPECT_TRUE(CountryFirstForm(entry, form)) << line;
    }
  }
}

TEST_F(ShippedPlaceFile, EveryEntityOfTheWorldMapListHasALine) {
  std::vector<std::string> dx = EntriesForKey(*lines, kDxccKey);
  std::multiset<std::string> heads;  // prefix and name, as the line begins
  for (const std::string& e : dx) heads.insert(e.substr(0, e.find(" (")));
  for (const char* s : DxccSearchList) {
    std::string entry = s;
    while (!entry.empty() && entry.back() == ' ') entry.pop_back();
    // A "(...)" in a name is written " - ..." in the place file, where "(" starts the position.
    std::string head = entry;
    if (size_t open = head.find(" ("); open != std::string::npos) {
      head.replace(open, 2, " - ");
      head.erase(head.find(')'), 1);
    }
    EXPECT_TRUE(heads.count(head)) << "no line for \"" << entry << "\"";
  }
}

}  // namespace
}  // namespace kestrel
