#include "records/elapsed_time_text.h"

#include "config/text.h"

namespace tablerun {

std::string fnElapsedTimeText(std::int64_t seconds, int hoursWidth) {
  constexpr char kSeparator = ':';
  const std::string hours = fnZeroFill(seconds / 3600, hoursWidth);
  if (hours.starts_with("**")) return std::string("99") + kSeparator + "99" + kSeparator + "99";
  return hours + kSeparator + fnZeroFill(seconds % 3600 / 60, 2) + kSeparator + fnZeroFill(seconds % 60, 2);
}

}  // namespace tablerun
