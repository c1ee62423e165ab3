// Time as the play engine reads it: a monotonic count for elapsed time and
// the local date and time of day for records. A seam, so tests set the time.
#pragma once

#include <cstdint>

namespace tablerun {

struct TDateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class TClock {
 public:
  virtual ~TClock() = default;
  // Never goes back, whatever the wall clock does.
  virtual std::int64_t MonotonicMilliseconds() const = 0;
  virtual TDateTime LocalNow() const = 0;
};

class TSystemClock final : public TClock {
 public:
  std::int64_t MonotonicMilliseconds() const override;
  TDateTime LocalNow() const override;
};

}  // namespace tablerun
