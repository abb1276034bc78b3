#include <gtest/gtest.h>

#include "clocks/clock_text.h"

namespace kestrel {
namespace {

TEST(PlaceClock, TimesOfThePlaces) {
  struct Case {
    const char* text;
    bool dst, military;
    int h, m;
    PlaceTime::Kind kind;
    const char* caption;
  } cases[] = {
      {"India   [5.5]", false, false, 10, 7, PlaceTime::Shown, "3:37 PM"},
      {"India   [5.5]", false, true, 10, 7, PlaceTime::Shown, "15: 37"},
      {"Bayside   [-6]", false, false, 3, 0, PlaceTime::Shown, "9:00 PM"},  // the evening before
      {"Bayside   [-6]", true, false, 3, 0, PlaceTime::Shown, "10:00 PM*"},
      {"Bayside   [-6]", true, true, 3, 0, PlaceTime::Shown, "22: 00*"},
      {"Kiritimati [12]", true, true, 10, 7, PlaceTime::Shown, "23: 07*"},  // UTC + 13 hours
      {"Pago [-11]", false, true, 10, 7, PlaceTime::Shown, "23: 07"},       // UTC - 11: same time of day
      {"Newfoundland [-3.5]", false, true, 10, 7, PlaceTime::Shown, "06: 37"},
      {"Somewhere [-0.5]", false, true, 10, 7, PlaceTime::Shown, "09: 37"},
      {"Newfoundland [-3.5]", true, true, 10, 7, PlaceTime::Shown, "07: 37*"},  // UTC - 2:30
      {"Half [0.5]", false, false, 10, 7, PlaceTime::Shown, "10:37 AM"},
      {"Nepal [5.75]", false, true, 10, 7, PlaceTime::Shown, "15: 52"},
      {"Chatham [12.75]", false, true, 23, 30, PlaceTime::Shown, "12: 15"},
      {"Midnight [0]", false, false, 0, 5, PlaceTime::Shown, "12:05 AM"},
      {"Noon [0]", false, false, 12, 5, PlaceTime::Shown, "12:05 PM"},
      {"Blank  [ -6]", false, true, 12, 0, PlaceTime::Shown, "06: 00"},  // blanks before the number
      {"Too far [13]", false, false, 10, 7, PlaceTime::OutOfRange, "00: 00"},
      {"Too far [-12]", false, false, 10, 7, PlaceTime::OutOfRange, "00: 00"},
      {"Letters [x]", false, false, 10, 7, PlaceTime::OutOfRange, "00: 00"},
      {"Nothing []", false, false, 10, 7, PlaceTime::OutOfRange, "00: 00"},
      {"Trailing [5 ]", false, false, 10, 7, PlaceTime::OutOfRange, "00: 00"},
      {"St. Louis [-6]", false, false, 10, 7, PlaceTime::OutOfRange, "00: 00"},  // "." taken as the point
      {"Fourth [5.4]", false, false, 10, 7, PlaceTime::FractionRejected, ""},
      {"Fifth [5.50]", false, false, 10, 7, PlaceTime::FractionRejected, ""},
      {"No brackets -6", false, false, 10, 7, PlaceTime::Empty, ""},
      {"Half open [5", false, false, 10, 7, PlaceTime::Empty, ""},
  };
  for (const auto& c : cases) {
    PlaceTime t = ShowPlaceTime(c.text, c.dst, c.military, c.h, c.m);
    EXPECT_EQ(t.kind, c.kind) << c.text;
    EXPECT_EQ(t.caption, c.caption) << c.text;
  }
  EXPECT_EQ(ShowPlaceTime("Fourth [5.4]", false, false, 1, 1).warning,
            "Decimal value must be .25, .5, or .75 in - 'Fourth [5.4]'");
}

TEST(GmtClock, TwelveHourAndMilitary) {
  struct Case { int h, m; const char* twelve; const char* military; } cases[] = {
      {0, 5, "12: 05 AM", "00: 05"}, {7, 5, "7: 05 AM", "07: 05"}, {12, 5, "12: 05 PM", "12: 05"},
      {13, 5, "1: 05 PM", "13: 05"}, {23, 59, "11: 59 PM", "23: 59"}};
  for (const auto& c : cases) {
    EXPECT_EQ(GmtClockText(c.h, c.m, false), c.twelve);
    EXPECT_EQ(GmtClockText(c.h, c.m, true), c.military);
  }
}

TEST(ClocksFile, ReadsWhatIsThereAndLengthensTheSwitches) {
  std::vector<std::string> lines = {kClockFlagLineStart, "India   [5.5]", "Bayside   [-6]"};
  ClocksFileContent c = ReadClocksFile(lines);
  EXPECT_EQ(c.flagLine, kClockFlagLineStart);
  EXPECT_EQ(c.names[0], "India   [5.5]");
  EXPECT_EQ(c.names[1], "Bayside   [-6]");
  EXPECT_EQ(c.names[2], "");
  std::vector<std::string> written = ClocksFileLines(c);
  ASSERT_EQ(written.size(), 25u);
  EXPECT_EQ(written[2], "Bayside   [-6]");

  ClocksFileContent shortLine = ReadClocksFile({"0000011111111111111111000011"});
  EXPECT_EQ(shortLine.flagLine.size(), 51u);
  EXPECT_TRUE(SwitchOn(shortLine.flagLine, 1));
  EXPECT_FALSE(SwitchOn(shortLine.flagLine, 2));
  EXPECT_FALSE(SwitchOn(shortLine.flagLine, 24));

  std::vector<std::string> many(30, "x");
  EXPECT_EQ(ClocksFileLines(ReadClocksFile(many)).size(), 25u);
  EXPECT_EQ(ReadClocksFile({}).flagLine, kClockFlagLineStart);
}

TEST(ClocksFile, SwitchesAreCharacters28To51) {
  std::string line = kClockFlagLineStart;
  EXPECT_FALSE(SwitchOn(line, 1));   // character 28 is "0"
  EXPECT_TRUE(SwitchOn(line, 18));   // character 45 is "1"
  SetSwitch(line, 1, true);
  SetSwitch(line, 24, true);
  EXPECT_EQ(line[27], '1');
  EXPECT_EQ(line[50], '1');
  EXPECT_EQ(line.substr(0, 27), std::string(kClockFlagLineStart).substr(0, 27));
  EXPECT_EQ(line.substr(51), std::string(kClockFlagLineStart).substr(51));
}

}  // namespace
}  // namespace kestrel
