// The game's clock: runs from the deal to the end of the game, shown once a
// second, suspended by the pause. Elapsed time is whole seconds counted on a
// monotonic clock, so midnight, a changed wall clock or a game longer than a
// day cannot disturb it.
#pragma once

#include <cstdint>
#include <string>

#include "engine/state/clock.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// The largest elapsed time the fixed-width fields of the records hold.
inline constexpr int kMaxRecordedSeconds = 999999;

// "h:nn:ss"; the hours have no leading zero and go past 23.
std::string fnElapsedText(std::int64_t seconds);

class TGameClock {
 public:
  TGameClock(TTablerunState& state, const TClock& clock) : state_(state), clock_(clock) {}

  const TClock& Clock() const { return clock_; }

  // A new game: from now, unless the clock already runs.
  void Start();
  // A restarted or loaded game goes on from its stored time.
  void ContinueFrom(std::int64_t seconds);
  // The end of the game: the time stays as it was.
  void Stop();
  bool Runs() const { return state_.runtime.Flag(TRuntimeFlag::ClockRuns); }

  // The timer's second: shows the elapsed time.
  void Tick();
  std::int64_t ElapsedSeconds() const;
  // Whole seconds clamped to what the records hold.
  int RecordedSeconds() const;

  void SetPaused(bool on);
  bool Paused() const { return paused_; }

 private:
  std::int64_t Now() const { return clock_.MonotonicMilliseconds(); }
  std::int64_t Time(TRuntimeTime which) const { return state_.runtime.Time(which); }
  void SetTime(TRuntimeTime which, std::int64_t ms) { state_.runtime.SetTime(which, ms); }

  TTablerunState& state_;
  const TClock& clock_;
  bool paused_ = false;
  bool started_ = false;
};

}  // namespace tablerun
