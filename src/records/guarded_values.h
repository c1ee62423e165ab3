// The values of the overall-score and internet-count files, each kept with
// a checksum that a hand edit breaks: a best score or time per game, a count
// of games, and the overall score and time with their guard.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "records/protected_value.h"

namespace tablerun {

// A number in layout A or B followed by the checksum of `keyText` and the
// value's first ten characters, scrambled. The best score and time of a game
// have no key text; an internet count has its key ("GW-0123").
std::string fnGuardedValue(TDigitLayout layout, std::int64_t value, std::string_view keyText, std::mt19937_64& random);
// The number a stored value holds; nothing when its checksum does not match
// or it does not read.
std::optional<std::int64_t> fnReadGuardedValue(TDigitLayout layout, std::string_view stored, std::string_view keyText);

struct TOverallScore {
  std::int64_t score = 0;
  std::int64_t seconds = 0;
  bool operator==(const TOverallScore&) const = default;
};

// The stored texts of T01 (score), T02 (time) and T03 (their guard).
struct TOverallTexts {
  std::string score;
  std::string seconds;
  std::string guard;
};

TOverallTexts fnGuardedOverall(const TOverallScore& overall, std::mt19937_64& random);
std::optional<TOverallScore> fnReadGuardedOverall(const TOverallTexts& stored);

// What a missing key reads as: zero values with a zero checksum.
std::string fnZeroGuardedValue();
std::string fnZeroOverallGuard();

}  // namespace tablerun
