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

const std::vector<TCardSetEntry>& fnCardSets();
const std::vector<TBackEntry>& fnBacks();
// The joker of every set, at every size but "L", which has miniatures of its
// own: faces, joker and the back DL001.
TDeckFile fnJokerDeck();

}  // namespace tablerun::images
