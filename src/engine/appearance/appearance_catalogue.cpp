#include "engine/appearance/appearance_catalogue.h"

#include "config/text.h"

namespace tablerun {

const std::vector<TCardSetItem>& fnBuiltInCardSets() {
  static const std::vector<TCardSetItem> sets = {
      {"Large size", "Classic large 1", 1, 'S'},
      {"Normal size", "Default", 1, 'B'},
      {"Normal size", "Classic 1", 2, 'B'},
      {"Normal size", "Classic 2", 3, 'B'},
      {"Normal size", "Classic 3 (16 colors)", 5, 'B'},
      {"Small size", "Classic small 1", 3, 'M'},
  };
  return sets;
}

const std::vector<TAppearanceItem>& fnBuiltInBacks() {
  static const std::vector<TAppearanceItem> backs = {
      {"Animals", "Penguins", 1},
      {"Animals", "Fox", 2},
      {"Animals", "Owl", 4},
      {"Animals", "Goldfish", 6},
      {"Children", "Teddy Bear", 8},
      {"Children", "Balloons", 10},
      {"Children", "Rocket", 14},
      {"Children", "Unicorn", 16},
      {"Classics", "Ivory", 3},
      {"Classics", "Plastic", 5},
      {"Classics", "Neoclassical", 7},
      {"Classics", "Modern", 9},
      {"Classics", "Classic Blue", 11},
      {"Classics", "Tango", 12},
      {"Classics", "Royal", 15},
      {"Famous pictures", "Composition in Red, Yellow and Blue", 17},
      {"Famous pictures", "The Great Wave", 18},
      {"Famous pictures", "Starry Night", 19},
      {"Flowers", "Sunflower", 21},
      {"Flowers", "Tulips", 22},
      {"Flowers", "Cherry Blossom", 23},
      {"Flowers", "Rose", 24},
      {"Geometric", "Lozenges", 25},
      {"Geometric", "Chevrons", 26},
      {"Geometric", "Rings", 27},
      {"Nature", "Mountains", 28},
      {"Nature", "Maple Leaf", 29},
      {"Nature", "Snowflake", 30},
  };
  return backs;
}

const std::vector<TAppearanceItem>& fnBuiltInBackgrounds() {
  static const std::vector<TAppearanceItem> backgrounds = {
      {"Colors", "(Custom color)", 1},   {"Colors", "Blue", 0xFF0000},
      {"Colors", "Green", 0x008000},     {"Colors", "Navy", 0x800000},
      {"Colors", "Olive", 0x008080},     {"Colors", "Teal", 0x808000},
      {"Colors", "White", 0xFFFFFF},     {"Colors fantasy", "Aurora", 101},
      {"Colors fantasy", "Sunset", 102}, {"Colors fantasy", "Lagoon", 103},
      {"Fractal", "Clouds", 121},        {"Fractal", "Plasma", 122},
      {"Fractal", "Smoke", 123},         {"Geometricals", "Tiles", 141},
      {"Geometricals", "Diamonds", 142}, {"Geometricals", "Hexagons", 143},
      {"Marbles", "White Marble", 161},  {"Marbles", "Green Marble", 162},
      {"Marbles", "Red Marble", 163},    {"Metal", "Brushed Steel", 181},
      {"Metal", "Bronze", 182},          {"Nature", "Sand", 201},
      {"Nature", "Grass", 202},          {"Nature", "Water", 203},
      {"Others", "Stars", 221},          {"Others", "Confetti", 222},
      {"Paper", "Parchment", 241},       {"Paper", "Recycled Paper", 242},
      {"Patterns", "Checks", 261},       {"Patterns", "Polka Dots", 262},
      {"Patterns", "Stripes", 263},      {"Surfaces", "Green Felt", 281},
      {"Surfaces", "Blue Felt", 282},    {"Surfaces", "Red Felt", 283},
      {"Surfaces", "Leather", 284},      {"Tissue", "Linen", 301},
      {"Tissue", "Denim", 302},          {"Walls", "Bricks", 311},
      {"Walls", "Stone", 312},           {"Wood", "Oak", 321},
      {"Wood", "Walnut", 322},           {"Wood", "Pine", 323},
      {"Wood", "Mahogany", 324},
  };
  return backgrounds;
}

char fnCardSetGroupSize(const std::string& group) {
  const std::string lower = fnLowerCase(group);
  if (lower.find("normal") != std::string::npos) return 'B';
  if (lower.find("small") != std::string::npos) return 'M';
  if (lower.find("extra") != std::string::npos) return 'X';
  if (lower.find("large") != std::string::npos) return 'S';
  return ' ';
}

}  // namespace tablerun
