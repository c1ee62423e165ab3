// What the card pictures are made of, decided without pictures: which face a
// card code shows, which resource each picture comes from, and the choices the
// preferences hold (and how they fall back) for card sets, backs and backgrounds.
#pragma once

#include <optional>
#include <string>

namespace tablerun {

class TTablerunState;
struct TDisplayInfo;

inline constexpr int kDefaultBack = 11;
inline constexpr int kJokerIndex = 52;
inline constexpr int kDefaultGreen = 0x008000;  // TColor

struct TCardPixels {
  int width = 0;
  int height = 0;
};

// Card width and height of a size letter, nothing for a letter outside the table.
std::optional<TCardPixels> fnCardPixels(char letter);
// The letter of a card set image (exactly 5 x 12 cards), ' ' for any other size.
char fnCardSetImageLetter(int width, int height);

// Index into the card picture table for a card code 1..212 (52 the joker), -1 for no card.
int fnFaceIndex(int code);
// The suit (0 hearts .. 3 spades) whose pictures show `suit` under rule slot 50.
int fnPictureSuit(int suit, int suitRule);

std::string fnThreeDigits(int number);
std::string fnCardSetResource(char size, int set, int suit);
std::string fnBackResource(char size, int back);
std::string fnJokerResource(char size);

// A built-in back: its resource, and whether it is drawn at size B and stretched.
struct TBackSource {
  std::string resource;
  bool stretched = false;
};
TBackSource fnBuiltInBack(char size, int back);

// The resource of an empty-pile mark name (case ignored); empty for an unknown name.
std::string fnMarkResource(const std::string& markName, char size, int back);
// Size-X pictures live in the add-on library.
bool fnIsAddOnPicture(const std::string& resource);

// The current choice as the configuration record holds it.
struct TCardChoice {
  char size = 'B';
  int set = 1;
  int back = kDefaultBack;
  int suitRule = 0;
};
TCardChoice fnCardChoice(const TTablerunState& state);

// The built-in set that suits the display: 1 with more than 256 colours, else 3.
int fnDefaultCardSet(const TDisplayInfo& display);

// The preference side of the fallbacks: what the record and the store say afterwards.
// Positions 256-259 "N", their keys emptied, size "B", the display's default set.
void fnForgetCustomCardsAndDecks(TTablerunState& state);
// A customized or add-on set that cannot be shown: back to a built-in set that fits the screen.
void fnFallBackToBuiltInSet(TTablerunState& state, int screenWidth);
// A customized or add-on back that cannot be shown: back 11.
void fnResetBack(TTablerunState& state);
// A customized or add-on background that cannot be shown: the default faded green.
void fnResetBackground(TTablerunState& state);

// The file of a name the player chose inside one of the data sub-folders; empty
// when the name would leave the folder.
std::string fnFileInFolder(const std::string& folder, const std::string& name, const std::string& extension);

// One horizontal band of a faded colour background: rows [top, bottom).
struct TFadeBand {
  int top = 0;
  int bottom = 0;
  int red = 0, green = 0, blue = 0;
};
// Band k (0 at the bottom, 255 at the top) of a rectangle `height` high starting at row 0.
TFadeBand fnFadeBand(int k, int height, int red, int green, int blue);

}  // namespace tablerun
