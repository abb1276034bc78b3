#include <gtest/gtest.h>

#include <set>

#include "app/clock_labels.h"
#include "app/heading_text.h"
#include "app/place_list.h"
#include "app/state_table.h"
#include "core/text.h"

namespace kestrel {
namespace {

TEST(HeadingTexts, HeadingLongPathAndNote) {
  struct Case { long double az; const char* status; const char* label73; const char* label74; } cases[] = {
      {51.2345L, "Degrees:  51.2   Central Alabama", "Degrees:  51.2", "  (231.2)"},
      {359.6L, "Degrees:  359.6   Central Alabama", "Degrees:  359.6", "  (179.6)"},
      {180.0L, "Degrees:  180.0   Central Alabama", "Degrees:  180.0", "  (0.0)"},
      {0.04L, "Degrees:  0.0   Central Alabama", "Degrees:  0.0", "  (180.0)"},
  };
  for (const auto& c : cases) {
    HeadingTexts t = MakeHeadingTexts(c.az, "Central Alabama");
    EXPECT_EQ(t.statusDegrees, c.status);
    EXPECT_EQ(t.label73, c.label73);
    EXPECT_EQ(t.label74, c.label74);
    EXPECT_EQ(t.panel8, c.status);
  }
  EXPECT_DOUBLE_EQ(MakeHeadingTexts(180.0L, "").longPathHeading, 0.0);
}

TEST(HeadingTexts, AmpersandIsDoubledOnlyForTheOverlayCaption) {
  HeadingTexts t = MakeHeadingTexts(90, "   Trinidad & Tobago");
  EXPECT_EQ(t.statusDegrees, "Degrees:  90.0      Trinidad & Tobago");
  EXPECT_EQ(t.panel8, "Degrees:  90.0      Trinidad && Tobago");
  // A caption shows "&&" as one "&" and takes a single "&" as a shortcut mark.
  EXPECT_EQ(CaptionDisplayText(t.panel8), t.statusDegrees);
  EXPECT_EQ(CaptionDisplayText("A&B"), "AB");
}

TEST(HeadingTexts, DistanceInMilesOrKilometres) {
  EXPECT_EQ(FormatDistance(54972.271L, false), "55");
  EXPECT_EQ(FormatDistance(54972.271L, true), "34");
  EXPECT_EQ(FormatDistance(12345678.0L, false), "12,346");
  EXPECT_EQ(FormatDistance(12345678.0L, true), "7,671");
  EXPECT_EQ(FormatDistance(0, false), "0");
}

TEST(HeadingTexts, ArrowHeadingIsTheEvenWholeDegreeAtOrAbove) {
  struct Case { long double az; int n; } cases[] = {
      {0.0L, 0}, {0.99L, 0}, {1.0L, 2}, {2.9L, 2}, {3.0L, 4}, {90.4L, 90}, {178.2L, 178},
      {179.5L, 180}, {270.0L, 270}, {359.5L, 360}, {359.6L, 360}};
  for (const auto& c : cases) EXPECT_EQ(EvenArrowHeading(c.az), c.n) << (double)c.az;
}

TEST(ToolbarClocks, TwelveHourAndMilitaryForms) {
  struct Case { int h, m; const char* utc12; const char* utc24; const char* local12; } cases[] = {
      {0, 5, "12:05A", "00:05", "12:05A"},
      {9, 5, "09:05A", "09:05", "9:05A"},
      {11, 59, "11:59A", "11:59", "11:59A"},
      {12, 30, "12:30P", "12:30", "12:30P"},
      {13, 5, "1:05P", "13:05", "1:05P"},
      {23, 0, "11:00P", "23:00", "11:00P"},
  };
  for (const auto& c : cases) {
    ToolbarClocks twelve = FormatToolbarClocks(c.h, c.m, c.h, c.m, false);
    ToolbarClocks mil = FormatToolbarClocks(c.h, c.m, c.h, c.m, true);
    EXPECT_EQ(twelve.utc, c.utc12);
    EXPECT_EQ(twelve.local, c.local12);
    EXPECT_EQ(mil.utc, c.utc24);
    EXPECT_EQ(mil.local, c.utc24);
  }
}

TEST(StateCentreTable, KeysNotesAndCentres) {
  std::set<std::string> codes;
  for (const auto& s : StateCentreTable) {
    EXPECT_TRUE(codes.insert(s.code).second) << s.code;
    EXPECT_GT(s.lat, 18) << s.code;   // every centre lies in the United States:
    EXPECT_LT(s.lat, 72) << s.code;   // north latitude, west longitude
    EXPECT_GT(s.lon, 66) << s.code;
    EXPECT_LT(s.lon, 180) << s.code;
  }
  EXPECT_EQ(StateKey(StateCentreTable[42]), "TX~");
  EXPECT_EQ(StateNote(StateCentreTable[42]), "Central Texas");
  EXPECT_EQ(StateNote(StateCentreTable[41]), "Central Tennnessee");
  EXPECT_EQ(StateNote(StateCentreTable[0]), "Central Alabama");
  EXPECT_STREQ(StateCentreTable[49].code, "WY");
}

TEST(PlaceList, EntriesOfOneKeyInFileOrder) {
  std::vector<std::string> lines = {
      "AL~Mobile", "al~Lower case key", "DX~1A0  Malta (x)", "AL~Birmingham", "AL~Mobile",
      "00~Never listed", "AL", "AL~" + std::string(120, 'x')};
  std::vector<std::string> al = EntriesForKey(lines, "AL~");
  ASSERT_EQ(al.size(), 4u);
  EXPECT_EQ(al[0], "Mobile");
  EXPECT_EQ(al[1], "Birmingham");
  EXPECT_EQ(al[2], "Mobile");            // duplicates are listed twice
  EXPECT_EQ(al[3], std::string(100, 'x'));  // at most 100 characters
  EXPECT_TRUE(EntriesForKey(lines, "WY~").empty());
}

}  // namespace
}  // namespace kestrel

namespace kestrel {
namespace {

TEST(PlaceList, CountryFirstForm) {
  struct Case { const char* entry; bool ok; const char* form; } cases[] = {
      {"1A0  Malta (N\xB0" "41.54\\E\xB0" "12.29)", true, "Malta 1A0  (N\xB0" "41.54\\E\xB0" "12.29)"},
      {"DA-DL  Germany, Fed. Rep. of (x)", true, "Germany, Fed. Rep. of DA-DL  (x)"},
      {"9Y  Trinidad & Tobago(x)", true, "Trinidad & Tobago9Y  (x)"},
      {"1A0 Malta (x)", false, ""},    // no two blanks
      {"1A0  Malta", false, ""},       // no "("
      {"1A0 (x)  Malta", false, ""},   // "(" before the two blanks
  };
  for (const auto& c : cases) {
    std::string form;
    EXPECT_EQ(CountryFirstForm(c.entry, form), c.ok) << c.entry;
    if (c.ok) EXPECT_EQ(form, c.form);
  }
  // A malformed line stays in the prefix list only; the country list never shows garbage.
  std::vector<std::string> lines = {"DX~1A0  Malta (a)", "DX~BAD ENTRY", "AL~Mobile  (b)", "DX~3A  Monaco (c)"};
  EXPECT_EQ(CountryFirstList(lines), (std::vector<std::string>{"Malta 1A0  (a)", "Monaco 3A  (c)"}));
  EXPECT_EQ(EntriesForKey(lines, "DX~").size(), 3u);
}

}  // namespace
}  // namespace kestrel
