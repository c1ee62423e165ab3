// The message boxes the files and the catalogue need to speak to the player;
// the engine's screen interface extends it, so the lower layers never see the engine.
#pragma once

#include <string>

namespace tablerun {

enum class TMessageKind { Information, Warning, Question, Error };
enum class TMessageButtons { Ok, OkCancel, YesNo };
enum class TMessageAnswer { Ok, Cancel, Yes, No };

class TMessages {
 public:
  virtual ~TMessages() = default;

  virtual TMessageAnswer ShowMessage(TMessageKind kind, const std::string& text,
                                     TMessageButtons buttons = TMessageButtons::Ok) = 0;
  // An information box with a "Don't show this message box again" check box;
  // returns true when the player ticked it.
  virtual bool ShowAdvisory(const std::string& text) = 0;
};

}  // namespace tablerun
