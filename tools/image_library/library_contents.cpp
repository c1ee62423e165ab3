#include "library_contents.h"

namespace tablerun::images {
namespace {

const TDeckFile kStandard{"kde", "svg-standard/standard.svgz"};
const TDeckFile kNicuWhite{"kde", "svg-nicu-white/white.svgz"};
const TDeckFile kPenguins{"kde", "svg-penguins/penguins.svgz"};
const TDeckFile kOxygenWhite{"kde", "svg-oxygen-white/oxygen-white.svgz"};
const TDeckFile kJollyRoyal{"kde", "svg-jolly-royal/jolly-royal.svgz"};
const TDeckFile kTango{"gnome", "tango.svgz"};
const TDeckFile kPlastic{"gnome", "plastic.svgz"};
const TDeckFile kNeoclassical{"gnome", "neoclassical.svgz"};
const TDeckFile kAngloModern{"gnome", "anglo_modern.svgz"};

}  // namespace

const std::vector<TCardSetEntry>& fnCardSets() {
  static const std::vector<TCardSetEntry> sets = {
      {1, kStandard, "BS", false},
      {2, kNicuWhite, "B", false},
      {3, kTango, "BML", false},
      {5, kPlastic, "B", true},
  };
  return sets;
}

const std::vector<TBackEntry>& fnBacks() {
  // Back 11 is the default and the only one drawn at every playing size; its
  // size X goes to the add-on library.
  static const std::vector<TBackEntry> backs = {
      {1, kPenguins, "B"},    {3, kNicuWhite, "B"},    {5, kPlastic, "B"}, {7, kNeoclassical, "B"},
      {9, kAngloModern, "B"}, {11, kStandard, "BSMX"}, {12, kTango, "B"},  {15, kJollyRoyal, "B"},
  };
  return backs;
}

const std::vector<TAddOnItem>& fnAddOnCardSets() {
  // Size X has no built-in set: the pack brings two, and one more at size B.
  static const std::vector<TAddOnItem> sets = {
      {"C001", "Extra large size", "Classic extra large", kStandard, 'X'},
      {"C002", "Extra large size", "Ivory extra large", kNicuWhite, 'X'},
      {"C003", "Normal size", "Penguins", kPenguins, 'B'},
  };
  return sets;
}

const std::vector<TAddOnItem>& fnAddOnBacks() {
  static const std::vector<TAddOnItem> backs = {
      {"D001", "Classics", "Oxygen", kOxygenWhite, 'X'},
      {"D002", "Animals", "Penguins (large)", kPenguins, 'X'},
  };
  return backs;
}

const std::vector<TAddOnItem>& fnAddOnBackgrounds() {
  static const std::vector<TAddOnItem> backgrounds = {
      {"B001", "Surfaces", "Teal Felt", {}, ' '},
      {"B002", "Wood", "Ebony", {}, ' '},
  };
  return backgrounds;
}

TDeckFile fnJokerDeck() { return kNicuWhite; }

}  // namespace tablerun::images
