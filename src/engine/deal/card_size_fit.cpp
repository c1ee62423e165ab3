#include "engine/deal/card_size_fit.h"

#include <string>
#include <utility>

#include "config/advisory.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
constexpr const char* kCustomKey = "Customized_Cards_Set";
constexpr const char* kAddOnKey = "Additional_Cards_Set";
constexpr const char* kOldBig = "_Old_Big";

enum class TAdvice { MediumOn640, MediumOn800, Large, ExtraLarge };

struct TFit {
  TTablerunState& state;
  int width;
  int screenClass;

  std::string Read(TConfigField field) const { return state.config.Read(field); }
  void Write(TConfigField field, const std::string& value) const { state.config.Write(field, value); }
  std::string Current() const { return Read(cfg::kCardSize); }
  std::string Saved() const { return Read(cfg::kSavedCardSize); }
  bool CurrentOrSaved(const char* letter) const { return Current() == letter || Saved() == letter; }
  bool LargeInUse() const { return CurrentOrSaved("S") || CurrentOrSaved("X"); }
  bool WasForced() const { return state.mainGame.Get(entries::kSizeForced) != 0; }
  void MarkForced() const { state.mainGame.Set(entries::kSizeForced, 1); }

  void CopyPreference(const std::string& from, const std::string& to) const {
    if (!state.store) return;
    state.store->WriteString(kPreference, to, state.store->ReadString(kPreference, from, ""));
  }
  void ClearPreference(const std::string& key) const {
    if (state.store) state.store->WriteString(kPreference, key, "");
  }

  void Force(char letter) const {
    Write(cfg::kCustomCardSet, "N");
    Write(cfg::kAddOnCardSet, "N");
    Write(cfg::kCardSize, std::string(1, letter));
    Write(cfg::kCardSet, letter != 'M' && state.display.moreThan256Colours ? "001" : "003");
  }

  void SaveOwnSize() const {
    Write(cfg::kSavedCardSize, Current());
    Write(cfg::kSavedCardSet, Read(cfg::kCardSet));
    Write(cfg::kSavedCustomCardSet, Read(cfg::kCustomCardSet));
    Write(cfg::kSavedAddOnCardSet, Read(cfg::kAddOnCardSet));
    CopyPreference(kCustomKey, std::string(kCustomKey) + kOldBig);
    CopyPreference(kAddOnKey, std::string(kAddOnKey) + kOldBig);
  }

  void RestoreOwnSize() const {
    Write(cfg::kCardSize, Saved());
    Write(cfg::kCardSet, Read(cfg::kSavedCardSet));
    Write(cfg::kCustomCardSet, Read(cfg::kSavedCustomCardSet));
    Write(cfg::kAddOnCardSet, Read(cfg::kSavedAddOnCardSet));
    for (const char* key : {kCustomKey, kAddOnKey}) {
      CopyPreference(std::string(key) + kOldBig, key);
      ClearPreference(std::string(key) + kOldBig);
    }
    for (const TConfigField field :
         {cfg::kSavedCardSize, cfg::kSavedCardSet, cfg::kSavedCustomCardSet, cfg::kSavedAddOnCardSet}) {
      Write(field, "");
    }
  }

  void Advise(TAdvice advice) const {
    const bool medium640 = advice == TAdvice::MediumOn640;
    const TMainGameEntry shownEntry = medium640 ? entries::kMediumAdviceShown : entries::kLargeAdviceShown;
    if (state.mainGame.Get(shownEntry) != 0) return;
    state.mainGame.Set(shownEntry, 1);
    const std::string name = Read(cfg::kGameName);
    std::string key;
    std::string text;
    switch (advice) {
      case TAdvice::MediumOn640:
        key = "Msg_Cards_Medium_640x480";
        text =
            "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution "
            "should be set to 800x600 pixels or higher. However, it's possible to play " +
            name + " using a predefined cards set.";
        break;
      case TAdvice::MediumOn800:
        key = "Msg_Cards_Medium_800x600";
        text =
            "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
            "resolution should be set to 1024x768 pixels or higher. However, it's possible to play " +
            name + " using a predefined Cards set.";
        break;
      case TAdvice::Large:
        key = "Msg_Cards_Large";
        text = "You have selected the Large size Cards Set. It's possible to play " + name +
               " using a predefined Cards Set.";
        break;
      case TAdvice::ExtraLarge:
        key = "Msg_Extra_Large_Cards";
        text = "You have selected the Extra Large size Cards Set. It's possible to play " + name +
               " using a predefined Cards Set.";
        break;
    }
    if (state.store)
      fnShowOneTimeAdvisory(*state.store, state.screen, key, text);
    else
      state.screen.ShowAdvisory(text);
  }

  // The first time a size is forced in this run the player hears why.
  void AdviseOnFirstForce(TAdvice advice) const {
    if (WasForced()) return;
    MarkForced();
    Advise(advice);
  }
  TAdvice LargeAdvice() const { return Saved() == "S" ? TAdvice::Large : TAdvice::ExtraLarge; }

  bool ScreenAllowsOwnSize() const {
    const bool fits = !(screenClass == 1 && width < 650) && !(screenClass == 2 && width < 1100);
    return fits && (width >= 650 || !CurrentOrSaved("S")) &&
           !(screenClass == 1 && width < 810 && CurrentOrSaved("S")) && (width >= 810 || !CurrentOrSaved("X"));
  }

  void ForceSmaller() const {
    if (screenClass == 1 && width < 650) {
      if (Current() != "M") Force('M');
      AdviseOnFirstForce(TAdvice::MediumOn640);
    } else if (screenClass == 2 && width < 810) {
      if (Current() != "M") {
        Force('M');
        Advise(TAdvice::MediumOn800);
      }
    } else if (screenClass == 2 && width < 1100) {
      if (Current() == "S" || Current() == "X") Force('B');
      AdviseOnFirstForce(TAdvice::ExtraLarge);
    } else if (width >= 650 || !LargeInUse()) {
      if (width < 810 && CurrentOrSaved("X")) {
        Force(screenClass == 1 ? 'B' : 'S');
        Advise(TAdvice::ExtraLarge);
      } else if (width < 810 && screenClass == 1 && LargeInUse()) {
        Force('B');
        AdviseOnFirstForce(LargeAdvice());
      }
    } else {
      Force('B');
      AdviseOnFirstForce(LargeAdvice());
    }
  }
};

}  // namespace

bool fnFitCardSize(TTablerunState& state, int screenWidth) {
  const TFit fit{state, screenWidth, state.rules.Get(rule::kScreenClass)};
  if (fit.ScreenAllowsOwnSize()) {
    if (!fit.Read(cfg::kSavedCardSet).empty()) fit.RestoreOwnSize();
    return true;
  }
  const std::string current = fit.Current();
  if ((current != "B" && current != "S" && current != "X") || !fit.Saved().empty())
    fit.MarkForced();
  else
    fit.SaveOwnSize();
  fit.ForceSmaller();
  return false;
}

}  // namespace tablerun
