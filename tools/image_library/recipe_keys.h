// The names of a table of recipes, in its order: what a generator can make.
#pragma once

#include <map>
#include <vector>

namespace tablerun::images {

template <typename Key, typename Recipe>
std::vector<Key> fnRecipeKeys(const std::map<Key, Recipe>& recipes) {
  std::vector<Key> keys;
  for (const auto& entry : recipes) keys.push_back(entry.first);
  return keys;
}

}  // namespace tablerun::images
