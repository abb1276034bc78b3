// World clocks: a place clock's text "Bayside   [-6]" or "India   [5.5]" names a place and its
// offset from GMT in square brackets; the clock shows UTC moved by that offset.
#pragma once
#include <array>
#include <string>
#include <vector>

namespace kestrel {

inline constexpr const char* kClocksFile = "tms.kestrel";
inline constexpr int kPlaceClocks = 24;
// The first line of the clocks file before any file was read; characters 28 to 51 are the
// daylight-saving switches of clocks 1 to 24, the rest is kept as it is.
inline constexpr const char* kClockFlagLineStart = "00000111111111111111110000C000000000000000001000000000000";
inline constexpr int kFirstSwitch = 28;  // counting from 1
inline constexpr int kLastSwitch = 51;

struct PlaceTime {
  enum Kind {
    Empty,             // no "[" or no "]": the panel is emptied
    OutOfRange,        // unreadable offset or outside -11 to 12: red box, "00: 00"
    FractionRejected,  // a fraction other than .25, .5, .75: warning, panel unchanged
    Shown,             // caption holds the time
  } kind = Empty;
  std::string caption;
  std::string warning;  // for FractionRejected
};

// The place time of a clock at the UTC hour and minute given. `dst` is the clock's
// daylight-saving switch (one hour more, 13 becoming -11). The first "." anywhere in the text is
// the decimal point of the offset, even one in the place name ("St. Louis [-6]").
PlaceTime ShowPlaceTime(const std::string& text, bool dst, bool military, int utcHour, int utcMinute);

// The GMT clock: "7: 05 AM", "12: 05 AM" at 0 h, "1: 05 PM"; military "07: 05".
std::string GmtClockText(int utcHour, int utcMinute, bool military);

struct ClocksFileContent {
  std::string flagLine = kClockFlagLineStart;
  std::array<std::string, kPlaceClocks> names{};
};

// Reads the lines of the clocks file: the flag line and up to 24 names. Missing lines leave
// their names empty; a flag line shorter than 51 characters counts its missing switches as off
// and is lengthened. Lines after the 25th are ignored.
ClocksFileContent ReadClocksFile(const std::vector<std::string>& lines);
std::vector<std::string> ClocksFileLines(const ClocksFileContent& content);

bool SwitchOn(const std::string& flagLine, int clock);  // clock 1 to 24
void SetSwitch(std::string& flagLine, int clock, bool on);

}  // namespace kestrel
