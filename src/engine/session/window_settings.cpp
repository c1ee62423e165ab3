#include "engine/session/window_settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "config/text.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";

}  // namespace

bool TWindowSettings::Preference(const char* key, const char* fallback) const {
  return state_.store->ReadString(kPreference, key, fallback) == "Y";
}

void TWindowSettings::SetPreference(const char* key, bool on) {
  state_.store->WriteString(kPreference, key, on ? "Y" : "N");
}

bool TWindowSettings::ShowToolTips() const { return state_.config.IsYes(cfg::kShowToolTips); }

bool TWindowSettings::ShowTime() const { return state_.config.IsYes(cfg::kShowTime); }

void TWindowSettings::SetShowTime(bool show) { state_.config.Write(cfg::kShowTime, show ? "Y" : "N"); }

bool TWindowSettings::ShowScore() const { return state_.config.IsYes(cfg::kShowScore); }

void TWindowSettings::SetShowScore(bool show) { state_.config.Write(cfg::kShowScore, show ? "Y" : "N"); }

bool TWindowSettings::LargeToolbar() const { return Preference("ToolBar_Large", "Y"); }

void TWindowSettings::SetLargeToolbar(bool large) { SetPreference("ToolBar_Large", large); }

bool TWindowSettings::FlatToolbar() const { return Preference("ToolBar_Flat", "Y"); }

void TWindowSettings::SetFlatToolbar(bool flat) { SetPreference("ToolBar_Flat", flat); }

bool TWindowSettings::XpToolbar() const { return Preference("ToolBar_XP", "Y"); }

void TWindowSettings::SetXpToolbar(bool xp) { SetPreference("ToolBar_XP", xp); }

std::optional<int> TWindowSettings::FixedCloth() const {
  const auto fixed = fnParseInteger(state_.config.Read(cfg::kBackgroundFixedColour));
  if (!fixed) return std::nullopt;
  return static_cast<int>(*fixed);
}

int TWindowSettings::TableCursor() const {
  // Clamped before narrowing: a huge number in the file must not wrap into a valid cursor.
  return static_cast<int>(
      std::clamp<std::int64_t>(fnParseInteger(state_.config.Read(cfg::kCursor)).value_or(10), 0, 99));
}

bool TWindowSettings::FadedPause() const {
  return state_.config.IsYes(cfg::kFadeBackground) && state_.display.moreThan256Colours;
}

bool TWindowSettings::DealAnimation() const { return state_.config.IsYes(cfg::kDealAnimation); }

bool TWindowSettings::SplashSound() const { return state_.config.IsYes(cfg::kSoundSplash); }

bool TWindowSettings::NewGameSound() const { return state_.config.IsYes(cfg::kSoundNewGame); }

bool TWindowSettings::ConfirmQuit() const { return state_.store->ReadString(kPreference, "ConfirmQuit", "N") != "N"; }

int TWindowSettings::LayoutShadowDepth() const { return state_.config.IsYes(cfg::kCardsShadowed) ? 9 : 0; }

bool TWindowSettings::AnimatedMoves() const { return state_.config.Read(cfg::kCardsAnimate) != "N"; }

bool TWindowSettings::MovingShadows() const { return state_.config.Read(cfg::kCardsShadowed) != "N"; }

int TWindowSettings::CardStepDelay() const {
  return std::max(std::atoi(state_.config.Read(cfg::kCardSpeed).c_str()), 0);
}

bool TWindowSettings::ShuffleSound() const { return state_.config.IsYes(cfg::kSoundShuffle); }

bool TWindowSettings::ShowPilesSize() const { return state_.config.IsYes(cfg::kShowPilesSize); }

std::string TWindowSettings::SaveFolder() const {
  return state_.store->ReadString(kPreference, "Dir_Save", state_.userFolders.documents);
}

void TWindowSettings::SetSaveFolder(const std::string& folder) {
  state_.store->WriteString(kPreference, "Dir_Save", folder);
}

std::string TWindowSettings::SavedGameName() const { return fnTrim(state_.config.Read(cfg::kGameName)) + ".gam"; }

}  // namespace tablerun
