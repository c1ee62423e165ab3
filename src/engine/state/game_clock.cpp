#include "engine/state/game_clock.h"

#include <algorithm>

namespace tablerun {

std::string fnElapsedText(std::int64_t seconds) {
  seconds = std::max<std::int64_t>(seconds, 0);
  const std::int64_t minutes = seconds / 60 % 60;
  const std::int64_t secs = seconds % 60;
  return std::to_string(seconds / 3600) + (minutes < 10 ? ":0" : ":") + std::to_string(minutes) +
         (secs < 10 ? ":0" : ":") + std::to_string(secs);
}

void TGameClock::Start() {
  if (Runs()) return;
  ContinueFrom(0);
}

void TGameClock::ContinueFrom(std::int64_t seconds) {
  SetTime(TRuntimeTime::GameClockStart, Now() - std::max<std::int64_t>(seconds, 0) * 1000);
  paused_ = false;
  started_ = true;
  state_.runtime.SetFlag(TRuntimeFlag::ClockRuns, true);
  Tick();
}

void TGameClock::Stop() {
  if (Runs()) SetTime(TRuntimeTime::LastGameEnd, Now());
  // A game ended while paused keeps the time it had when the pause began.
  if (paused_) SetTime(TRuntimeTime::LastGameEnd, Time(TRuntimeTime::PauseStart));
  paused_ = false;
  state_.runtime.SetFlag(TRuntimeFlag::ClockRuns, false);
}

void TGameClock::Tick() {
  if (Runs()) state_.screen.ShowElapsedTime(fnElapsedText(ElapsedSeconds()));
}

std::int64_t TGameClock::ElapsedSeconds() const {
  if (!started_) return 0;
  std::int64_t until = Time(TRuntimeTime::LastGameEnd);
  if (Runs()) {
    until = Now();
  } else if (paused_) {
    until = Time(TRuntimeTime::PauseStart);
  }
  return std::max<std::int64_t>(until - Time(TRuntimeTime::GameClockStart), 0) / 1000;
}

int TGameClock::RecordedSeconds() const {
  return static_cast<int>(std::min<std::int64_t>(ElapsedSeconds(), kMaxRecordedSeconds));
}

void TGameClock::SetPaused(bool on) {
  if (on == paused_) return;
  if (on) {
    if (!Runs()) return;  // nothing to suspend
    Tick();
    SetTime(TRuntimeTime::PauseStart, Now());
    state_.runtime.SetFlag(TRuntimeFlag::ClockRuns, false);
    paused_ = true;
    return;
  }
  // The paused interval does not count.
  SetTime(TRuntimeTime::GameClockStart, Time(TRuntimeTime::GameClockStart) + Now() - Time(TRuntimeTime::PauseStart));
  paused_ = false;
  state_.runtime.SetFlag(TRuntimeFlag::ClockRuns, true);
  Tick();
}

}  // namespace tablerun
