#include "records/protected_value.h"

#include "config/text.h"
#include "records/fixed_fields.h"

namespace tablerun {
namespace {

constexpr std::string_view kScrambleKey = "74265";

// The 1-based positions of the number's characters in each layout.
bool fnHoldsDigit(TDigitLayout layout, int position) {
  switch (layout) {
    case TDigitLayout::A: return position % 3 != 1;
    case TDigitLayout::B: return position >= 3 && position % 3 != 2;
    case TDigitLayout::C: return position >= 3 && position <= 25 && position % 2 == 1;
    case TDigitLayout::D: return position <= 24 && position % 2 == 0;
  }
  return false;
}

std::string fnShifted(std::string_view text, int sign) {
  std::string shifted(text);
  for (std::size_t i = 0; i < shifted.size(); ++i) {
    const int key = static_cast<unsigned char>(kScrambleKey[i % kScrambleKey.size()]);
    shifted[i] = static_cast<char>(static_cast<unsigned char>(shifted[i]) + sign * key);
  }
  return shifted;
}

}  // namespace

std::string fnInterleave(TDigitLayout layout, std::int64_t value, std::mt19937_64& random) {
  const std::string digits = fnFixedNumber(value, fnLayoutDigits(layout));
  std::uniform_int_distribution<int> filler(0, 8);
  std::string plain;
  std::size_t next = 0;
  for (int position = 1; position <= fnLayoutLength(layout); ++position) {
    plain += fnHoldsDigit(layout, position) ? digits[next++] : static_cast<char>('0' + filler(random));
  }
  return plain;
}

std::optional<std::int64_t> fnExtractNumber(TDigitLayout layout, std::string_view plain) {
  if (plain.size() < static_cast<std::size_t>(fnLayoutLength(layout))) return std::nullopt;
  std::string digits;
  for (int position = 1; position <= fnLayoutLength(layout); ++position) {
    if (fnHoldsDigit(layout, position)) digits += plain[static_cast<std::size_t>(position - 1)];
  }
  if (digits.find(' ') != std::string::npos) return std::nullopt;
  return fnParseInteger(digits);
}

std::int32_t fnChecksum(std::string_view text) {
  std::uint32_t sum = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const std::uint32_t i = static_cast<std::uint32_t>(at + 1);
    const std::uint32_t b = static_cast<unsigned char>(text[at]);
    sum += b + i * b / 2 + (i + b) % 3 + i;
  }
  return static_cast<std::int32_t>(sum);
}

std::string fnShiftWithKey(std::string_view plain) { return fnShifted(plain, 1); }

std::string fnUnshiftWithKey(std::string_view scrambled) { return fnShifted(scrambled, -1); }

}  // namespace tablerun
