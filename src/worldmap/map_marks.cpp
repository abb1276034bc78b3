#include "worldmap/map_marks.h"

#include <cstdlib>

#include "core/numbers.h"

namespace kestrel {
namespace {

// A strict signed whole number: digits only (a sign allowed), nothing else.
int StrictInt(const std::string& text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  if (i == text.size() || text.size() - i > 9) throw ConversionError("'" + text + "' is not a valid whole number.");
  for (size_t k = i; k < text.size(); ++k)
    if (text[k] < '0' || text[k] > '9') throw ConversionError("'" + text + "' is not a valid whole number.");
  return static_cast<int>(std::strtol(text.c_str(), nullptr, 10));
}

std::optional<MapMark> Read(const std::string& text, const char* xCode, const char* yCode, MapMark::Kind kind) {
  const size_t pa = text.find(xCode), pb = text.find(yCode);
  if (pb == std::string::npos || pb < pa + 2) throw ConversionError("'" + text + "' holds no map mark.");
  const int x = StrictInt(text.substr(pa + 2, pb - pa - 2));
  const int y = StrictInt(text.substr(pb + 2, 10));
  return MapMark{kind, x, y};
}

int Clamp(int place, int viewport, int sheet) {
  if (sheet > viewport) {
    if (place > 0) place = 0;
    if (std::abs(place) > sheet - viewport) place = -(sheet - viewport);
  } else {
    if (place <= 0) place = 0;
    if (place >= viewport - sheet) place = viewport - sheet;
  }
  return place;
}

}  // namespace

std::optional<MapMark> ParseMapMark(const std::string& text) {
  if (text.find('#') == std::string::npos) return std::nullopt;
  if (text.find("#a") != std::string::npos) return Read(text, "#a", "#b", MapMark::Pointer);
  if (text.find("#c") != std::string::npos) return Read(text, "#c", "#d", MapMark::Ring);
  throw ConversionError("'" + text + "' holds no map mark.");
}

SheetPlace PanPlace(int row, int column, SheetPlace current, int vw, int vh, int sw, int sh) {
  const int rightEnd = vw - sw, bottomEnd = vh - sh;
  SheetPlace p = current;
  if (row == 1 && column == 1) return {(vw - sw - 1) / 2, (vh - sh) / 2};
  if (column == 0) p.left = 0;
  if (column == 2) p.left = rightEnd;
  if (row == 0) p.top = 0;
  if (row == 2) p.top = bottomEnd;
  return p;
}

SheetPlace ClampSheet(SheetPlace dropped, int vw, int vh, int sw, int sh) {
  return {Clamp(dropped.left, vw, sw), Clamp(dropped.top, vh, sh)};
}

}  // namespace kestrel
