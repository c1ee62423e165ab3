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
  // Back 11 is the default and the only one drawn at every playing size.
  static const std::vector<TBackEntry> backs = {
      {1, kPenguins, "B"},     {3, kNicuWhite, "B"},  {5, kPlastic, "B"},      {7, kNeoclassical, "B"},
      {9, kAngloModern, "B"},  {11, kStandard, "BSM"}, {12, kTango, "B"},      {13, kOxygenWhite, "B"},
      {15, kJollyRoyal, "B"},
  };
  return backs;
}

TDeckFile fnJokerDeck() { return kNicuWhite; }

}  // namespace tablerun::images
