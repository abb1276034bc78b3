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

bool CountryFirstForm(const std::string& entry, std::string& out) {
  size_t p = entry.find("  ");
  size_t q = entry.find('(');
  if (p == std::string::npos || p == 0 || q == std::string::npos || q < p + 2) return false;
  std::string country = entry.substr(p + 2, q - p - 2);  // with whatever lies before the "("
  std::string prefix = entry.substr(0, p + 2);          // the prefix and its two blanks
  out = country + prefix + entry.substr(q, 100);
  return true;
}

std::vector<std::string> CountryFirstList(const std::vector<std::string>& placeList) {
  std::vector<std::string> out;
  for (const std::string& entry : EntriesForKey(placeList, kDxccKey)) {
    std::string form;
    if (CountryFirstForm(entry, form)) out.push_back(form);
  }
  return out;
}

}  // namespace kestrel
