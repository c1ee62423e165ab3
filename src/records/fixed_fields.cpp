#include "records/fixed_fields.h"

#include <algorithm>

#include "config/text.h"

namespace tablerun {

std::string fnFixedNumber(std::int64_t value, int width) {
  if (width <= 0) return {};
  std::int64_t largest = 0;
  for (int digit = 0; digit < std::min(width, 18); ++digit) largest = largest * 10 + 9;
  const std::int64_t smallest = width > 1 ? -(largest / 10) : 0;
  return fnZeroFill(std::clamp(value, smallest, largest), width);
}

std::optional<std::int64_t> fnNumberAt(std::string_view text, std::size_t start, std::size_t width) {
  if (text.size() < start + width) return std::nullopt;
  return fnParseInteger(text.substr(start, width));
}

std::string fnPaddedText(std::string_view text, int width) {
  std::string padded(text.substr(0, static_cast<std::size_t>(std::max(width, 0))));
  padded.resize(static_cast<std::size_t>(std::max(width, 0)), ' ');
  return padded;
}

}  // namespace tablerun
