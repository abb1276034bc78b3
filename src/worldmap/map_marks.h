// The world map's marks: "#a<x>#b<y>" points the arrow at a country, "#c<x>#d<y>" rings a small
// island group; x and y are pixels of the 1133 x 556 map picture.
#pragma once
#include <optional>
#include <string>

namespace kestrel {

struct MapMark {
  enum Kind { Pointer, Ring } kind;
  int x, y;
  bool operator==(const MapMark&) const = default;
};

// The mark in a position text; nothing when the text holds no "#". A "#" without a well-formed
// code throws ConversionError (strict whole numbers).
std::optional<MapMark> ParseMapMark(const std::string& text);

// The map sheet's position within the viewport.
struct SheetPlace {
  int left, top;
  bool operator==(const SheetPlace&) const = default;
};

// The nine pan buttons, as a 3 x 3 pad: row 0 top to 2 bottom, column 0 left to 2 right.
// Right end = viewport width - sheet width; bottom end = viewport height - sheet height;
// the centre is (viewport width - sheet width - 1) div 2, (viewport height - sheet height) div 2.
SheetPlace PanPlace(int row, int column, SheetPlace current, int viewportWidth, int viewportHeight,
                    int sheetWidth, int sheetHeight);

// Where a dragged sheet comes to rest: never showing anything beyond the sheet's edges.
SheetPlace ClampSheet(SheetPlace dropped, int viewportWidth, int viewportHeight, int sheetWidth,
                      int sheetHeight);

}  // namespace kestrel
