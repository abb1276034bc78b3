#include <gtest/gtest.h>

#include "home/prefs.h"
#include "home/zones.h"

namespace kestrel {
namespace {

TEST(ZoneOffsets, TextsAndOffsetsAsListed) {
  struct Case { int index; const char* text; double offset; } cases[] = {
      {0, "Eastern         (-5:00)", -5},
      {1, "Central          (-6:00)", -6},
      {6, "Mountain DT(-6:00)", -6},
      {10, "Hawaii       (-10:00)", -10},
      {11, "GMT (-12:00)", -12},
      {22, "GMT (-1:00)", -1},
      {23, "GMT (0:00)", 0},
      {24, "GMT (+1:00)", 1},
      {34, "GMT (+11:00)", 11},
      {35, "International Dateline (-12:00) Eniwetok, Kwajalein", -12},
      {48, "Newfoundland (-03:30) Newfoundland", -3.5},
      {53, "GMT (0.00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London", 0},
      {68, "Iran (+03:30) Tehran", 3.5},
      {71, "Afghanistan (+04:30) Kabul", 4.5},
      {74, "India (+05:30) Bombay, Calcutta, Madras, New Delhi", 5.5},
      {78, "China  (+08:00) Beijing, Chongqing, Hong Kong, Urumqi", 8},
      {79, "Singapore  (+08:00) Singapore ", 8},
      {80, "Taipei (+08:00) Taipei ", 8},
      {85, "AUS Central (+09:30) Darwin", 9.5},
      {86, "Cen. Australia (+09:30) Adelaide", 9.5},
      {92, "Central Pacific (+11:00) Magadan, Solomon Is., New Caledonia", 11},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(ZoneOffsets[c.index].text, c.text) << c.index;
    EXPECT_EQ(ZoneOffsets[c.index].offset, c.offset) << c.index;
  }
  // Every offset is the one its text names, and the half hours are exactly where listed.
  std::vector<int> halves;
  for (size_t i = 0; i < ZoneOffsets.size(); ++i) {
    double fromText = 99;
    ASSERT_TRUE(ZoneOffsetFromText(ZoneOffsets[i].text, fromText)) << i;
    EXPECT_EQ(fromText, ZoneOffsets[i].offset) << ZoneOffsets[i].text;
    if (ZoneOffsets[i].offset != static_cast<int>(ZoneOffsets[i].offset)) halves.push_back(static_cast<int>(i));
  }
  EXPECT_EQ(halves, (std::vector<int>{48, 68, 71, 74, 85, 86}));
}

TEST(PrefsFile, ReadsTheFiveLines) {
  PrefsRead r = ReadPrefs({"1010000000000000000", "W\xB0" "94.47", "N\xB0" "29.18", "-6", "1"});
  EXPECT_TRUE(r.problems.empty());
  EXPECT_TRUE(r.hasHomeTexts);
  EXPECT_EQ(r.prefs.flags, "1010000000000000000");
  EXPECT_EQ(r.prefs.lonText, "W\xB0" "94.47");
  EXPECT_EQ(r.prefs.latText, "N\xB0" "29.18");
  EXPECT_EQ(r.prefs.gmtOffset, -6);
  EXPECT_EQ(r.prefs.zoneIndex, 1);
  // Written back unchanged: longitude before latitude, offset in shortest form.
  EXPECT_EQ(PrefsLines(r.prefs),
            (std::vector<std::string>{"1010000000000000000", "W\xB0" "94.47", "N\xB0" "29.18", "-6", "1"}));
}

TEST(PrefsFile, OffsetIsWrittenInItsShortestForm) {
  Prefs p;
  p.gmtOffset = 5.5;
  p.zoneIndex = 74;
  EXPECT_EQ(PrefsLines(p)[3], "5.5");
  p.gmtOffset = -3.5;
  EXPECT_EQ(PrefsLines(p)[3], "-3.5");
  p.gmtOffset = 0;
  EXPECT_EQ(PrefsLines(p)[3], "0");
  EXPECT_EQ(PrefsLines(p)[0], "0000000000000000000");
}

TEST(PrefsFile, EmptyCoordinateLinesMeanNoHomeYet) {
  PrefsRead r = ReadPrefs({"0000000000000000000", "", "", "0", "0"});
  EXPECT_FALSE(r.hasHomeTexts);
  EXPECT_TRUE(r.problems.empty());
  // One empty and one present is a position to check (and to warn about).
  EXPECT_TRUE(ReadPrefs({"000", "W\xB0" "94.47", "", "0", "0"}).hasHomeTexts);
}

TEST(PrefsFile, ShortOptionLineIsLengthenedAndItsMissingOptionsAreOff) {
  struct Case { const char* line1; const char* flags; } cases[] = {
      {"", "0000000000000000000"},
      {"1", "1000000000000000000"},
      {"11", "1100000000000000000"},
      {"101", "101"},                                  // three or more pass through as they are
      {"0011234567890123456789", "0011234567890123456789"},
  };
  for (const auto& c : cases) {
    PrefsRead r = ReadPrefs({c.line1, "", "", "0", "0"});
    EXPECT_EQ(r.prefs.flags, c.flags) << c.line1;
    EXPECT_TRUE(r.problems.empty());
  }
  EXPECT_EQ(WithOptionFlags("11", false, true, true), "0110000000000000000");
  EXPECT_EQ(WithOptionFlags("0001234567890123456", true, false, true), "1011234567890123456");
}

TEST(PrefsFile, WhatCannotBeReadIsReportedByLineAndTheRestApplied) {
  struct Case {
    std::vector<std::string> lines;
    const char* problem;  // a part of the one report
    double offset;
    int zone;
  } cases[] = {
      {{"100", "W\xB0" "94.47", "N\xB0" "29.18", "-6"}, "has only 4 of its 5 lines: the zone is missing", -6, 0},
      {{"100", "W\xB0" "94.47"}, "has only 2 of its 5 lines: the home latitude, the GMT offset, the zone are missing", 0, 0},
      {{"100", "", "", "six", "1"}, "\"prefs.kestrel\", line 4: the GMT offset \"six\" is not a number", 0, 1},
      {{"100", "", "", "-6", "x1"}, "\"prefs.kestrel\", line 5: the zone \"x1\" is not a whole number", -6, 0},
      {{"100", "", "", "-6", "93"}, "\"prefs.kestrel\", line 5: there is no zone 93", -6, 0},
      {{"100", "", "", "99", "1"}, "\"prefs.kestrel\", line 4: the GMT offset 99 lies outside -12 to 14", 0, 1},
  };
  for (const auto& c : cases) {
    PrefsRead r = ReadPrefs(c.lines);
    ASSERT_EQ(r.problems.size(), 1u) << c.problem;
    EXPECT_NE(r.problems[0].find(c.problem), std::string::npos) << r.problems[0];
    EXPECT_EQ(r.prefs.gmtOffset, c.offset) << c.problem;
    EXPECT_EQ(r.prefs.zoneIndex, c.zone) << c.problem;
    EXPECT_EQ(r.prefs.flags, "100");  // the readable first line is applied
  }
  EXPECT_NE(ReadPrefs({}).problems.at(0).find("has only 0 of its 5 lines"), std::string::npos);
}

}  // namespace
}  // namespace kestrel
