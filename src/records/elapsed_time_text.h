// An elapsed time as the score windows show it: hours, minutes and seconds.
#pragma once

#include <cstdint>
#include <string>

namespace tablerun {

// The hours take `hoursWidth` characters and turn to "*" when wider; a time
// of 100 hours or more in width 2 reads "99:99:99".
std::string fnElapsedTimeText(std::int64_t seconds, int hoursWidth);

}  // namespace tablerun
