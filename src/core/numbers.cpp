#include "core/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kestrel {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape of a decimal number strictly, so that strtold never meets hex, inf or nan.
bool IsDecimalNumber(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t intDigits = 0, fracDigits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++intDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++fracDigits;
  }
  if (intDigits + fracDigits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

}  // namespace

bool TryStrToFloat(std::string_view text, long double& value) {
  std::string_view s = Trim(text);
  if (!IsDecimalNumber(s)) return false;
  std::string copy(s);
  // strtold reads "." only in the "C" locale; the program never changes LC_NUMERIC,
  // and the checked shape above leaves nothing locale-dependent but the point itself.
  char* end = nullptr;
  value = std::strtold(copy.c_str(), &end);
  return end == copy.c_str() + copy.size() && std::isfinite(value);
}

long double StrToFloat(std::string_view text) {
  long double v = 0;
  if (!TryStrToFloat(text, v))
    throw ConversionError("'" + std::string(text) + "' is not a valid number.");
  return v;
}

bool TryStrToInt(std::string_view text, long long& value) {
  std::string_view s = Trim(text);
  size_t i = 0;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  if (i == s.size() || s.size() - i > 18) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return false;
    v = v * 10 + (s[i] - '0');
  }
  value = neg ? -v : v;
  return true;
}

long long StrToInt(std::string_view text) {
  long long v = 0;
  if (!TryStrToInt(text, v))
    throw ConversionError("'" + std::string(text) + "' is not a valid whole number.");
  return v;
}

std::string FormatFloat(std::string_view picture, long double value) {
  size_t dot = picture.find('.');
  std::string_view intPic = picture.substr(0, dot);
  int decimals = 0;
  if (dot != std::string_view::npos)
    for (char c : picture.substr(dot + 1))
      if (c == '0' || c == '#') ++decimals;
  int minInt = 0;
  for (char c : intPic)
    if (c == '0') ++minInt;
  bool thousands = intPic.find(',') != std::string_view::npos;

  bool negative = std::signbit(value);
  long double mag = std::fabs(value);
  // The decimal digits of the magnitude, 18 significant, as d.ddd...e±x.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17Le", mag);
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (IsDigit(*p)) digits += *p;
  int exp10 = std::atoi(p + 1);
  // Position of the decimal point within `digits`: exp10 + 1 digits before it.
  int pointPos = exp10 + 1;
  // Keep pointPos + decimals digits, rounding half away from zero on the next digit.
  int keep = pointPos + decimals;
  std::string kept;
  if (keep < 0) {
    kept = "";
  } else {
    kept = digits.substr(0, std::min<size_t>(keep, digits.size()));
    while (static_cast<int>(kept.size()) < keep) kept += '0';
    if (keep < static_cast<int>(digits.size()) && digits[keep] >= '5') {
      int i = static_cast<int>(kept.size()) - 1;
      while (i >= 0 && kept[i] == '9') kept[i--] = '0';
      if (i >= 0) {
        ++kept[i];
      } else {
        kept.insert(kept.begin(), '1');
        ++pointPos;
      }
    }
  }
  // Split into whole and fraction digits.
  std::string whole, frac;
  int wholeCount = static_cast<int>(kept.size()) - decimals;
  if (wholeCount > 0) {
    whole = kept.substr(0, wholeCount);
    frac = kept.substr(wholeCount);
  } else {
    frac = std::string(-wholeCount, '0') + kept;
    frac = frac.substr(frac.size() - decimals);
  }
  size_t nz = whole.find_first_not_of('0');
  whole = nz == std::string::npos ? "" : whole.substr(nz);
  while (static_cast<int>(whole.size()) < minInt) whole.insert(whole.begin(), '0');
  if (thousands) {
    std::string grouped;
    int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
      grouped += whole[i];
      int left = n - 1 - i;
      if (left > 0 && left % 3 == 0) grouped += ',';
    }
    whole = grouped;
  }
  std::string out = whole;
  if (decimals > 0) out += "." + frac;
  bool allZero = out.find_first_not_of("0.,") == std::string::npos;
  if (negative && !allZero) out.insert(out.begin(), '-');
  if (out.empty()) out = "0";
  return out;
}

std::string TwoDigits(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", value);
  return buf;
}

std::string ShortestDecimal(long double value) {
  // The shortest text that reads back to the same double: -6, 5.5, 2.7777777777777715.
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value));
  std::string s = ec == std::errc() ? std::string(buf, end) : "0";
  if (s == "-0") s = "0";
  return s;
}

}  // namespace kestrel
