// The preferences file "prefs.kestrel": five lines, Latin-1, CR LF.
//   1  option flags ('1'/'0': long path, military time, miles; the rest passed through)
//   2  home longitude text as typed (W°94.47)
//   3  home latitude text as typed (N°29.18)
//   4  GMT offset in its shortest decimal form (-6, 5.5)
//   5  index of the chosen zone
#pragma once
#include <string>
#include <vector>

namespace kestrel {

inline constexpr const char* kPrefsFile = "prefs.kestrel";
inline constexpr int kFlagsLength = 19;

struct Prefs {
  std::string flags = std::string(kFlagsLength, '0');
  std::string lonText;
  std::string latText;
  double gmtOffset = 0;
  int zoneIndex = 0;
};

struct PrefsRead {
  Prefs prefs;
  // True when lines 2 and 3 hold a position to convert; both empty means no home yet.
  bool hasHomeTexts = false;
  // What could not be read, each naming the file and the line; empty when all was well.
  std::vector<std::string> problems;
};

// Interprets the lines of the file. What is readable is applied, the rest keeps its default
// and is reported. A first line shorter than three characters counts its missing options as
// off and is lengthened to the full nineteen characters.
PrefsRead ReadPrefs(const std::vector<std::string>& lines);

// The five lines to write.
std::vector<std::string> PrefsLines(const Prefs& prefs);

// Characters 1 to 3 of the flags set from the three options; the rest kept.
std::string WithOptionFlags(std::string flags, bool longPath, bool military, bool miles);

inline bool FlagOn(const std::string& flags, int position) {
  return static_cast<int>(flags.size()) >= position && flags[position - 1] == '1';
}

}  // namespace kestrel
