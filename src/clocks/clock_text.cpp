#include "clocks/clock_text.h"

#include <cstdio>

#include "core/numbers.h"

namespace kestrel {
namespace {


// A signed whole number after optional blanks, and nothing else; 99 when unreadable.
int ReadOffset(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size() || text.size() - i > 4) return 99;
  int v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return 99;
    v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

bool BeginsWithMinus(const std::string& text) {
  size_t i = text.find_first_not_of(' ');
  return i != std::string::npos && text[i] == '-';
}

// The text between the first "[" and the first "]", or nothing when there is no such text.
bool Bracketed(const std::string& text, std::string& inside) {
  size_t open = text.find('['), close = text.find(']');
  if (open == std::string::npos || close == std::string::npos || close < open) return false;
  inside = text.substr(open + 1, close - open - 1);
  return true;
}

}  // namespace

PlaceTime ShowPlaceTime(const std::string& original, bool dst, bool military, int utcHour, int utcMinute) {
  PlaceTime r;
  if (original.find('[') == std::string::npos || original.find(']') == std::string::npos) return r;
  std::string text = original, fraction;
  if (size_t dot = text.find('.'); dot != std::string::npos) {
    size_t close = text.find(']');
    if (close != std::string::npos && close > dot) {
      fraction = text.substr(dot + 1, close - dot - 1);
      text.erase(dot, close - dot);
    }
  }
  std::string offsetText;
  int offset = Bracketed(text, offsetText) ? ReadOffset(offsetText) : 99;
  if (offset < -11 || offset > 12) {
    r.kind = PlaceTime::OutOfRange;
    r.caption = "00: 00";
    return r;
  }
  if (dst) {
    offset += 1;
    if (offset == 13) offset = -11;
  }
  if (offset < 0) offset += 24;
  int fractionMinutes = 0;
  if (!fraction.empty()) {
    if (fraction == "25")
      fractionMinutes = 15;
    else if (fraction == "5")
      fractionMinutes = 30;
    else if (fraction == "75")
      fractionMinutes = 45;
    else {
      r.kind = PlaceTime::FractionRejected;
      r.warning = "Decimal value must be .25, .5, or .75 in - '" + original + "'";
      return r;
    }
    if (BeginsWithMinus(offsetText)) fractionMinutes = -fractionMinutes;
  }
  int minutes = ((utcHour * 60 + utcMinute + offset * 60 + fractionMinutes) % 1440 + 1440) % 1440;
  int h = minutes / 60, m = minutes % 60;
  if (military) {
    r.caption = TwoDigits(h) + ": " + TwoDigits(m);
  } else {
    int h12 = h % 12 == 0 ? 12 : h % 12;
    r.caption = std::to_string(h12) + ":" + TwoDigits(m) + (h < 12 ? " AM" : " PM");
  }
  if (dst) r.caption += "*";
  r.kind = PlaceTime::Shown;
  return r;
}

std::string GmtClockText(int h, int m, bool military) {
  if (military) return TwoDigits(h) + ": " + TwoDigits(m);
  if (h == 0) return "12: " + TwoDigits(m) + " AM";
  if (h < 12) return std::to_string(h) + ": " + TwoDigits(m) + " AM";
  if (h == 12) return "12: " + TwoDigits(m) + " PM";
  return std::to_string(h - 12) + ": " + TwoDigits(m) + " PM";
}

ClocksFileContent ReadClocksFile(const std::vector<std::string>& lines) {
  ClocksFileContent c;
  if (!lines.empty()) c.flagLine = lines[0];
  if (c.flagLine.size() < static_cast<size_t>(kLastSwitch)) c.flagLine.resize(kLastSwitch, '0');
  for (int i = 0; i < kPlaceClocks && i + 1 < static_cast<int>(lines.size()); ++i) c.names[i] = lines[i + 1];
  return c;
}

std::vector<std::string> ClocksFileLines(const ClocksFileContent& c) {
  std::vector<std::string> lines{c.flagLine};
  lines.insert(lines.end(), c.names.begin(), c.names.end());
  return lines;
}

bool SwitchOn(const std::string& flagLine, int clock) {
  size_t i = static_cast<size_t>(kFirstSwitch - 1 + clock - 1);
  return i < flagLine.size() && flagLine[i] == '1';
}

void SetSwitch(std::string& flagLine, int clock, bool on) {
  size_t i = static_cast<size_t>(kFirstSwitch - 1 + clock - 1);
  if (flagLine.size() <= i) flagLine.resize(i + 1, '0');
  flagLine[i] = on ? '1' : '0';
}

}  // namespace kestrel
