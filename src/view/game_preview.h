// A game's first deal drawn small, for the lists that choose a game: the
// table's own layout and painting run on a state of their own, so the game in
// play is never touched.
#pragma once

#include <QImage>
#include <QSize>
#include <QTransform>
#include <map>
#include <memory>
#include <string>

#include "engine/state/silent_screen.h"
#include "engine/state/tablerun_state.h"
#include "model/layout.h"

namespace tablerun {

class TAppearance;
class TImageLibrary;

class TGamePreview {
 public:
  // Reads the program's catalogue, custom games, card set and back at each
  // drawing; changes nothing of it.
  TGamePreview(const TTablerunState& program, const TImageLibrary& library);
  ~TGamePreview();
  TGamePreview(const TGamePreview&) = delete;
  TGamePreview& operator=(const TGamePreview&) = delete;

  // Deal number 1 of the game, built-in or custom, fitted into `size` on green
  // fading to black; the background alone when the game cannot be dealt.
  QImage Draw(int code, QSize size);
  // Where the last picture put the table: table pixels to picture pixels.
  const QTransform& Placement() const { return placement_; }
  // The table the deal is laid out and painted on.
  static TLayoutMetrics TableMetrics();

 private:
  bool Deal(int code);
  // The card pictures of the scratch game's card choice, loaded once per choice.
  TAppearance& Appearance();

  const TTablerunState& program_;
  const TImageLibrary& library_;
  TSilentScreen screen_;
  TTablerunState scratch_;
  std::map<std::string, std::unique_ptr<TAppearance>> appearances_;
  QImage cloth_;
  QTransform placement_;
};

}  // namespace tablerun
