#include "dxcc/prefix_alias.h"

#include <sstream>
#include <unordered_map>

namespace kestrel {
namespace {

const std::unordered_map<std::string, std::string>& AliasMap() {
  static const std::unordered_map<std::string, std::string> map = [] {
    std::unordered_map<std::string, std::string> m;
    for (const PrefixRange& r : PrefixRanges) {
      std::istringstream aliases(r.aliases);
      for (std::string alias; aliases >> alias;) m.emplace(alias, r.canonical);
    }
    return m;
  }();
  return map;
}

}  // namespace

std::optional<std::string> FindCanonicalPrefix(const std::string& text) {
  const auto& map = AliasMap();
  auto it = map.find(text);
  if (it == map.end()) return std::nullopt;
  return it->second;
}

}  // namespace kestrel
