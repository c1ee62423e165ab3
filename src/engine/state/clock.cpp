#include "engine/state/clock.h"

#include <chrono>
#include <ctime>

namespace tablerun {

std::int64_t TSystemClock::MonotonicMilliseconds() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TDateTime TSystemClock::LocalNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace tablerun
