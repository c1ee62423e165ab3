// A clock the test sets and advances by hand.
#pragma once

#include "engine/state/clock.h"

namespace tablerun::testing {

class TFakeClock final : public TClock {
 public:
  std::int64_t MonotonicMilliseconds() const override { return milliseconds; }
  TDateTime LocalNow() const override { return now; }

  // Both clocks move on; the wall clock rolls over midnight into the next day.
  void Advance(int seconds) {
    milliseconds += seconds * 1000LL;
    int total = now.hour * 3600 + now.minute * 60 + now.second + seconds;
    now.day += total / 86400;
    total %= 86400;
    now.hour = total / 3600;
    now.minute = total / 60 % 60;
    now.second = total % 60;
  }

  std::int64_t milliseconds = 1'000'000;
  TDateTime now{2026, 12, 10, 12, 0, 0};
};

}  // namespace tablerun::testing
