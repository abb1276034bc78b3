#include "home/prefs.h"

#include "core/numbers.h"
#include "home/zones.h"

namespace kestrel {
namespace {

std::string Where(int line) {
  return std::string("\"") + kPrefsFile + "\", line " + std::to_string(line) + ": ";
}

}  // namespace

PrefsRead ReadPrefs(const std::vector<std::string>& lines) {
  PrefsRead r;
  const size_t n = lines.size();
  if (n >= 1) {
    r.prefs.flags = lines[0];
    if (r.prefs.flags.size() < 3) r.prefs.flags.resize(kFlagsLength, '0');
  }
  if (n >= 3) {
    r.prefs.lonText = lines[1];
    r.prefs.latText = lines[2];
    r.hasHomeTexts = !(lines[1].empty() && lines[2].empty());
  }
  if (n >= 4) {
    long double offset = 0;
    if (!TryStrToFloat(lines[3], offset))
      r.problems.push_back(Where(4) + "the GMT offset \"" + lines[3] + "\" is not a number; 0 is used.");
    else if (offset < -12 || offset > 14)
      r.problems.push_back(Where(4) + "the GMT offset " + lines[3] + " lies outside -12 to 14; 0 is used.");
    else
      r.prefs.gmtOffset = static_cast<double>(offset);
  }
  if (n >= 5) {
    long long zone = 0;
    if (!TryStrToInt(lines[4], zone))
      r.problems.push_back(Where(5) + "the zone \"" + lines[4] + "\" is not a whole number; the first zone is used.");
    else if (zone < -1 || zone >= static_cast<long long>(ZoneOffsets.size()))
      r.problems.push_back(Where(5) + "there is no zone " + lines[4] + "; the first zone is used.");
    else
      r.prefs.zoneIndex = static_cast<int>(zone);
  }
  if (n < 5) {
    static const char* const missing[] = {"the options", "the home longitude", "the home latitude",
                                          "the GMT offset", "the zone"};
    std::string what;
    for (size_t i = n; i < 5; ++i) what += std::string(what.empty() ? "" : ", ") + missing[i];
    r.problems.push_back(std::string("\"") + kPrefsFile + "\" has only " + std::to_string(n) +
                         " of its 5 lines: " + what + (n == 4 ? " is" : " are") +
                         " missing; the defaults are used.");
  }
  return r;
}

std::vector<std::string> PrefsLines(const Prefs& p) {
  return {p.flags, p.lonText, p.latText, ShortestDecimal(p.gmtOffset), std::to_string(p.zoneIndex)};
}

std::string WithOptionFlags(std::string flags, bool longPath, bool military, bool miles) {
  if (flags.size() < 3) flags.resize(kFlagsLength, '0');
  flags[0] = longPath ? '1' : '0';
  flags[1] = military ? '1' : '0';
  flags[2] = miles ? '1' : '0';
  return flags;
}

}  // namespace kestrel
