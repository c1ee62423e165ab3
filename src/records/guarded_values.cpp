#include "records/guarded_values.h"

#include "records/fixed_fields.h"

namespace tablerun {
namespace {

constexpr std::size_t kCheckedLength = 10;
constexpr std::size_t kValueChecksumWidth = 6;
constexpr std::size_t kOverallChecksumWidth = 8;
// The guard of the overall score opens with it, and its checksum covers it.
constexpr std::string_view kGuardMark = "7154";
constexpr std::size_t kZeroLength = 30;

std::int32_t fnOverallChecksum(std::string_view mark, std::string_view score, std::string_view seconds) {
  return fnChecksum(std::string(mark) + std::string(score) + std::string(seconds));
}

}  // namespace

std::string fnGuardedValue(TDigitLayout layout, std::int64_t value, std::string_view keyText, std::mt19937_64& random) {
  const std::string plain = fnInterleave(layout, value, random);
  const std::int32_t checksum = fnChecksum(std::string(keyText) + plain.substr(0, kCheckedLength));
  return fnShiftWithKey(plain + fnFixedNumber(checksum, static_cast<int>(kValueChecksumWidth)));
}

std::optional<std::int64_t> fnReadGuardedValue(TDigitLayout layout, std::string_view stored, std::string_view keyText) {
  const std::string plain = fnUnshiftWithKey(stored);
  const auto value = fnExtractNumber(layout, plain);
  const auto checksum = fnNumberAt(plain, kCheckedLength, kValueChecksumWidth);
  if (!value || !checksum) return std::nullopt;
  if ((*value != 0 || *checksum != 0) &&
      fnChecksum(std::string(keyText) + plain.substr(0, kCheckedLength)) != *checksum) {
    return std::nullopt;
  }
  return value;
}

TOverallTexts fnGuardedOverall(const TOverallScore& overall, std::mt19937_64& random) {
  const std::string score = fnInterleave(TDigitLayout::C, overall.score, random);
  const std::string seconds = fnInterleave(TDigitLayout::D, overall.seconds, random);
  const std::string guard = std::string(kGuardMark) + fnFixedNumber(fnOverallChecksum(kGuardMark, score, seconds),
                                                                    static_cast<int>(kOverallChecksumWidth));
  return {fnShiftWithKey(score), fnShiftWithKey(seconds), fnShiftWithKey(guard)};
}

std::optional<TOverallScore> fnReadGuardedOverall(const TOverallTexts& stored) {
  const std::string score = fnUnshiftWithKey(stored.score);
  const std::string seconds = fnUnshiftWithKey(stored.seconds);
  const std::string guard = fnUnshiftWithKey(stored.guard);
  const auto overallScore = fnExtractNumber(TDigitLayout::C, score);
  const auto overallSeconds = fnExtractNumber(TDigitLayout::D, seconds);
  const auto checksum = fnNumberAt(guard, kGuardMark.size(), kOverallChecksumWidth);
  if (!overallScore || !overallSeconds || !checksum) return std::nullopt;
  if ((*checksum != 0 || *overallScore != 0 || *overallSeconds != 0) &&
      fnOverallChecksum(std::string_view(guard).substr(0, kGuardMark.size()), score, seconds) != *checksum) {
    return std::nullopt;
  }
  return TOverallScore{*overallScore, *overallSeconds};
}

std::string fnZeroGuardedValue() { return fnShiftWithKey(std::string(kZeroLength, '0')); }

std::string fnZeroOverallGuard() { return fnShiftWithKey(std::string(kGuardMark) + std::string(kZeroLength, '0')); }

}  // namespace tablerun
