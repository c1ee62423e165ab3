// Flags and times of the running program that several parts of the engine share.
#pragma once

#include <array>
#include <cstdint>

namespace tablerun {

enum class TRuntimeFlag {
  Busy = 1,  // an animation or long action runs; input is refused
  GameInProgress = 2,
  ClockRuns = 3,
  IgnoreNextClick = 5,
  WinningAnimation = 6,
  DealFinished = 7,
  GameJustWon = 8,
  StopRequest = 9,  // asks a long automatic sequence to stop early
};

enum class TRuntimeTime { GameClockStart = 0, LastGameEnd = 1, PauseStart = 2 };

class TRuntime {
 public:
  bool Flag(TRuntimeFlag flag) const { return flags_[static_cast<std::size_t>(flag)] != 0; }
  void SetFlag(TRuntimeFlag flag, bool on) { flags_[static_cast<std::size_t>(flag)] = on ? 1 : 0; }

  std::int64_t Time(TRuntimeTime which) const { return times_[static_cast<std::size_t>(which)]; }
  void SetTime(TRuntimeTime which, std::int64_t milliseconds) {
    times_[static_cast<std::size_t>(which)] = milliseconds;
  }

 private:
  std::array<std::uint8_t, 10> flags_{};
  std::array<std::int64_t, 3> times_{};
};

}  // namespace tablerun
