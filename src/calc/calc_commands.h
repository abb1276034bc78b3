// kestrel-calc: the program's calculations (beam heading, locators, sunrise and sunset, DXCC
// prefixes, world-map marks) from the command line, one result per line, for scripts.
//
// The command logic lives here, in plain C++, so that it can be run in-process by the tests;
// src/calc/main.cpp only hands it the command line and the standard streams.
//
// Texts inside the program are Latin-1; kestrel-calc reads its arguments as UTF-8 (a lone
// Latin-1 degree byte 0xB0 is accepted too) and writes UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel {

// What one kestrel-calc run writes and the exit status it ends with:
// 0 done, 1 some batch lines (or a calculation) failed, 2 bad input (one line on `err`,
// nothing on `out`).
struct CalcResult {
  std::string out;
  std::string err;
  int status = 0;
};

// Runs one command line; `args` are the arguments after the program name. `input` is what
// `bearing --batch` reads as its standard input.
CalcResult RunCalc(const std::vector<std::string>& args, std::string_view input = {});

// The whole program: arguments from main, `bearing --batch` streamed from file descriptor
// `inFd` to `outFd`, everything else written to `outFd` / `errFd`. Returns the exit status.
int CalcMain(int argc, const char* const* argv, int inFd = 0, int outFd = 1, int errFd = 2);

// ---- The pieces, for tests ----

// A position given on the command line, in the program's terms.
struct CalcPosition {
  long double lat = 0;      // north positive
  long double lonWest = 0;  // WEST positive, as CalculateBearing wants it
};

// Reads a position: a locator of 4 or 6 characters (its south-west corner), a pair text
// "N°29.18\W°94.47" (degrees.minutes; a blank may stand for the backslash) or decimal
// "LAT,LON" with north and east positive. `text` is Latin-1 (see Utf8ToLatin1). On failure
// returns false and puts the reason in `why`.
bool ParseCalcPosition(const std::string& text, CalcPosition& pos, std::string& why);

// The main window's long path: the heading plus 180, taken below 360 (in double, as shown).
double LongPathOf(long double azimuth);

// A decimal number as the program reads it (StrToFloat's forms: sign, digits, ".", digits,
// exponent), without blanks. Plain forms of up to 19 significant digits and 27 decimals are
// read by a fast path that gives the same correctly rounded value; others go to
// TryStrToFloat.
bool ParseCalcNumber(std::string_view text, long double& value);

// Appends `value` with exactly `decimals` digits after the point (0 to 18), rounded to the
// nearest as printf's "%.*Lf" does.
void AppendFixed(std::string& out, long double value, int decimals);

// The streaming heading calculator of `bearing --batch`: input lines "LAT1 LON1 LAT2 LON2"
// (decimal degrees, north and east positive) become "AZIMUTH LONG_PATH DISTANCE_M" (9, 9 and
// 6 decimals) or one JSON object; a bad line becomes "error: <reason>".
class BearingBatch {
 public:
  explicit BearingBatch(bool json) : json_(json) {}
  // Answers every complete line of `chunk` (and of what was pending) into `out`.
  void Feed(std::string_view chunk, std::string& out);
  // Answers a last line that had no line end.
  void Finish(std::string& out);

  std::uint64_t lines() const { return lines_; }
  std::uint64_t failedLines() const { return failed_; }
  std::uint64_t firstFailedLine() const { return firstFailed_; }
  // The closing line for standard error when some lines failed (empty otherwise).
  std::string Summary() const;

 private:
  void Line(std::string_view line, std::string& out);

  bool json_;
  std::string pending_;
  std::uint64_t lines_ = 0, failed_ = 0, firstFailed_ = 0;
};

// Byte conversions at the program's edge.
std::string Utf8ToLatin1(std::string_view text);  // U+0080..U+00FF to one byte; other bytes kept
std::string Latin1ToUtf8(std::string_view text);

}  // namespace kestrel
