// Latin-1 text helpers shared by the whole program.
// All texts inside the program are 8-bit Latin-1 in std::string; the degree sign is one byte.
#pragma once
#include <string>
#include <string_view>

namespace kestrel {

// The degree sign, byte 0xB0 of Latin-1. Never write a UTF-8 degree sign into a core string.
inline constexpr char kDeg = '\xB0';

// Hemisphere markers as they appear in coordinate texts: "N°", "S°", "E°", "W°".
inline std::string Marker(char letter) { return std::string{letter, kDeg}; }

inline bool Contains(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

// Text with every "&" doubled, so that a caption shows it and does not take it as a shortcut mark.
std::string DoubleAmpersands(std::string_view text);

// The visible text of a caption: "&&" shows as "&", a single "&" marks a shortcut and is not shown.
std::string CaptionDisplayText(std::string_view caption);

// The text with control characters (bytes below 32 but the line end, and 127) shown as "?",
// so that a message quoting a broken file stays readable.
std::string PrintableText(std::string_view text);

// Upper-cases the ASCII letters a to z only.
std::string UpperAscii(std::string_view text);

}  // namespace kestrel
