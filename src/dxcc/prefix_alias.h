// Typed call-sign prefixes inside a DXCC prefix range become the range's first prefix, so that
// "DL" finds "DA-DL  Germany, Fed. Rep. of".
#pragma once
#include <array>
#include <optional>
#include <string>

namespace kestrel {

struct PrefixRange {
  const char* canonical;  // the range's first prefix, e.g. "DA"
  const char* range;      // e.g. "DA-DL"
  const char* aliases;    // the prefixes replaced by the canonical one, blank-separated
  const char* country;
};

// The 59 ranges with their 267 aliases.
extern const std::array<PrefixRange, 59> PrefixRanges;

// The canonical prefix of the alias that equals the whole text (exactly, case-sensitive);
// nothing for any other text, canonical prefixes and the empty text included.
std::optional<std::string> FindCanonicalPrefix(const std::string& text);

}  // namespace kestrel
