#include "app/place_list.h"

namespace kestrel {

std::vector<std::string> EntriesForKey(const std::vector<std::string>& placeList,
                                       const std::string& key) {
  std::vector<std::string> out;
  if (key.size() != 3) return out;
  for (const auto& line : placeList)
    if (line.compare(0, 3, key) == 0 && line.size() >= 3) out.push_back(line.substr(3, 100));
  return out;
}

}  // namespace kestrel
