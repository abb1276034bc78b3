// Reading and writing numbers with "." as the decimal point, whatever the desktop's locale.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrel {

// A text that is not a number where one is needed.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a decimal number: blanks around it are skipped, a sign, digits, an optional "." with
// digits (".18" reads 0.18), an optional exponent. Anything else throws ConversionError.
long double StrToFloat(std::string_view text);
// Reads a signed whole number; blanks around it are skipped. Anything else throws ConversionError.
long long StrToInt(std::string_view text);
// Same, without throwing.
bool TryStrToFloat(std::string_view text, long double& value);
bool TryStrToInt(std::string_view text, long long& value);

// Formats a number by a picture such as "0.0", "00.00", "0" or "##,##0":
// '0' is a digit always written, '#' a digit written when significant, "," asks for thousands
// separators (","), "." places the decimal point. Rounds to the nearest, halves away from zero,
// judged on the decimal value of the number (18 significant digits).
std::string FormatFloat(std::string_view picture, long double value);

// A whole number 0 to 99 with two digits: 7 gives "07".
std::string TwoDigits(int value);

// The shortest decimal form of a number: -6, 5.5, 0.25 (no trailing zeros, "." as the point).
std::string ShortestDecimal(long double value);

}  // namespace kestrel
