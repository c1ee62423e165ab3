// The built-in card sets, backs and backgrounds the player can choose from, by
// group: the one list behind the image library's generator, the Customize
// dialog's trees and the random appearance pool.
#pragma once

#include <string>
#include <vector>

namespace tablerun {

struct TCardSetItem {
  const char* group;
  const char* name;
  int set;
  char size;
};

// `number` is the back number (resource D<size><nnn>) or the background
// picture number (B<nnn>), or for the colours their TColor value.
struct TAppearanceItem {
  const char* group;
  const char* name;
  int number;
};

const std::vector<TCardSetItem>& fnBuiltInCardSets();
const std::vector<TAppearanceItem>& fnBuiltInBacks();
// The colours first, then the pictures.
const std::vector<TAppearanceItem>& fnBuiltInBackgrounds();

// The size letter of a card set group, from the words of its name ("normal", "small", "extra", "large").
char fnCardSetGroupSize(const std::string& group);

}  // namespace tablerun
