#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "dxcc/prefix_alias.h"
#include "worldmap/dxcc_lists.h"

namespace kestrel {
namespace {

std::vector<std::string> Aliases(const PrefixRange& r) {
  std::istringstream in(r.aliases);
  std::vector<std::string> out;
  for (std::string a; in >> a;) out.push_back(a);
  return out;
}

TEST(PrefixAliasTable, RowsFollowTheirRanges) {
  std::set<std::string> aliases, canonicals;
  size_t rows = 0;
  for (const PrefixRange& r : PrefixRanges) {
    canonicals.insert(r.canonical);
    // The aliases are the prefixes got by stepping the one differing character of the range,
    // in character-code order, from after the first prefix's character to the last's.
    std::string range = r.range;
    std::string first = range.substr(0, range.find('-')), last = range.substr(range.find('-') + 1);
    ASSERT_EQ(first, r.canonical);
    ASSERT_EQ(first.size(), last.size()) << range;
    int differing = -1;
    for (size_t i = 0; i < first.size(); ++i)
      if (first[i] != last[i]) {
        ASSERT_EQ(differing, -1) << range << " differs in more than one place";
        differing = static_cast<int>(i);
      }
    ASSERT_GE(differing, 0) << range;
    std::vector<std::string> expected;
    for (char c = first[differing] + 1; c <= last[differing]; ++c) {
      if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) continue;
      std::string a = first;
      a[differing] = c;
      expected.push_back(a);
    }
    EXPECT_EQ(Aliases(r), expected) << range;
    for (const std::string& a : Aliases(r)) {
      EXPECT_TRUE(aliases.insert(a).second) << a << " occurs twice";
      ++rows;
    }
  }
  EXPECT_EQ(rows, 267u);
  EXPECT_EQ(canonicals.size(), 59u);
  for (const std::string& c : canonicals) EXPECT_FALSE(aliases.count(c)) << c << " is also an alias";
}

TEST(PrefixAliasTable, LookupIsExactAndFinal) {
  struct Case { const char* text; const char* canonical; } cases[] = {
      {"DL", "DA"},   {"DB", "DA"},   {"EB", "EA"},   {"EB6", "EA6"}, {"KH7", "KH6"},
      {"HD", "HC"},   {"D3", "D2"},   {"PJ8", "PJ5"}, {"RZ", "RA"},   {"4K", "4J"},
      {"XI4", "XA4"}, {"ZU", "ZR"},   {"JS", "JA"},
      // Unchanged: a canonical prefix, no alias, a leading part, blanks, lower case, empty.
      {"RA", nullptr},  {"KH", nullptr},  {"KH6", nullptr}, {"HC8", nullptr}, {"HD8", nullptr},
      {"E5B", nullptr}, {"DL1", nullptr}, {" DL", nullptr}, {"DLX", nullptr}, {"dl", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) {
    auto found = FindCanonicalPrefix(c.text);
    if (c.canonical) {
      ASSERT_TRUE(found) << c.text;
      EXPECT_EQ(*found, c.canonical) << c.text;
      EXPECT_FALSE(FindCanonicalPrefix(*found)) << "applied to its own output the table changes nothing";
    } else {
      EXPECT_FALSE(found) << c.text;
    }
  }
}

TEST(DxccSearchList, EveryRangeOfTheAliasTableHasItsEntry) {
  std::set<std::string> ranges;
  for (const char* e : DxccSearchList) {
    std::string entry = e;
    std::string prefix = entry.substr(0, entry.find("  "));
    if (prefix.find('-') != std::string::npos) ranges.insert(prefix);
  }
  for (const PrefixRange& r : PrefixRanges) EXPECT_TRUE(ranges.count(r.range)) << r.range;
  EXPECT_TRUE(ranges.count("E5A-E5Z"));
  EXPECT_TRUE(ranges.count("HC8-HD8"));
  EXPECT_EQ(ranges.size(), 61u);
  EXPECT_STREQ(DxccSearchList[0], "1A0  Malta");
  EXPECT_STREQ(DxccSearchList[142], "FS  Saint Martin  ");
  EXPECT_STREQ(DxccSearchList[387], "ZS8  Prince Edward Island & Marion Island");
}

}  // namespace
}  // namespace kestrel
