#include <gtest/gtest.h>

#include "core/numbers.h"
#include "worldmap/map_marks.h"

namespace kestrel {
namespace {

TEST(ParseMapMark, ListedForms) {
  struct Case { const char* text; MapMark mark; } cases[] = {
      {"1A0  Malta               #a577#b162", {MapMark::Pointer, 577, 162}},
      {"1S  Spratly Island               #c865#d225", {MapMark::Ring, 865, 225}},
      {"JW  Svalbard               #a567#b030", {MapMark::Pointer, 567, 30}},
      {"3D2  Conway Reef                 #a1091#b341", {MapMark::Pointer, 1091, 341}},
      {"KH3  Johnston Island               #c0#d210", {MapMark::Ring, 0, 210}},
  };
  for (const auto& c : cases) {
    auto m = ParseMapMark(c.text);
    ASSERT_TRUE(m) << c.text;
    EXPECT_EQ(*m, c.mark) << c.text;
  }
  EXPECT_FALSE(ParseMapMark(""));
  EXPECT_FALSE(ParseMapMark("1A0  Malta"));
  for (const char* bad : {"x #a5x7#b162", "x #a577#b1 2", "x #a577", "x #b162#a577", "# alone", "x #a#b1"})
    EXPECT_THROW(ParseMapMark(bad), ConversionError) << bad;
}

TEST(MapSheet, PanPadPlaces) {
  const int vw = 1017, vh = 552, sw = 1133, sh = 556;
  const SheetPlace cur{-30, -1};
  struct Case { int row, col; SheetPlace want; } cases[] = {
      {0, 0, {0, 0}},     {0, 1, {-30, 0}},    {0, 2, {-116, 0}},
      {1, 0, {0, -1}},    {1, 1, {-58, -2}},   {1, 2, {-116, -1}},
      {2, 0, {0, -4}},    {2, 1, {-30, -4}},   {2, 2, {-116, -4}},
  };
  for (const auto& c : cases) EXPECT_EQ(PanPlace(c.row, c.col, cur, vw, vh, sw, sh), c.want) << c.row << c.col;
}

TEST(MapSheet, DraggedSheetIsClampedOnRelease) {
  const int vw = 1017, vh = 552, sw = 1133, sh = 556;
  EXPECT_EQ(ClampSheet({300, 40}, vw, vh, sw, sh), (SheetPlace{0, 0}));        // far right and down
  EXPECT_EQ(ClampSheet({-500, -90}, vw, vh, sw, sh), (SheetPlace{-116, -4}));  // far left and up
  EXPECT_EQ(ClampSheet({-50, -2}, vw, vh, sw, sh), (SheetPlace{-50, -2}));     // inside: stays
  // A sheet smaller than the viewport stays inside it.
  EXPECT_EQ(ClampSheet({-5, 900}, 1200, 600, 1133, 556), (SheetPlace{0, 44}));
}

}  // namespace
}  // namespace kestrel
