// What the main image library holds: which deck draws which built-in card set
// and back, at which sizes. The reasons for each choice are in docs/ARTWORK.md.
#pragma once

#include <QString>
#include <vector>

namespace tablerun::images {

// A deck file relative to the folder of its package: "kde" for the KDE card
// decks, "gnome" for the GNOME card decks.
struct TDeckFile {
  QString package;
  QString file;
};

struct TCardSetEntry {
  int number;
  TDeckFile deck;
  QString sizes;  // card size letters; "L" gives miniatures
  bool sixteenColours;
};

struct TBackEntry {
  int number;
  TDeckFile deck;
  QString sizes;
};

// One picture of the add-on pack in "plus", listed in its index file under
// [group] as resource=display.
struct TAddOnItem {
  QString resource;
  QString group;
  QString display;
  TDeckFile deck;
  char size;
};

const std::vector<TCardSetEntry>& fnCardSets();
// Card set images (c01.rgf) and backs (d01.rgf) of the add-on pack.
const std::vector<TAddOnItem>& fnAddOnCardSets();
const std::vector<TAddOnItem>& fnAddOnBacks();
// JPEG backgrounds of the pack (b01.rgf), drawn by fnAddOnTexture.
const std::vector<TAddOnItem>& fnAddOnBackgrounds();
const std::vector<TBackEntry>& fnBacks();
// The joker of every set, at every size but "L", which has miniatures of its
// own: faces, joker and the back DL001.
TDeckFile fnJokerDeck();

}  // namespace tablerun::images
