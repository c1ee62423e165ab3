// The protected values of the overall-score and internet-count files: the
// digits of a number mixed with random filler digits, a position checksum,
// and a fixed-key character shift. This is obfuscation against casual
// editing, not security: anyone with this code can forge a value.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace tablerun {

// Where a number's characters stand among the fillers: A and B hold six in
// ten characters, C and D twelve in twenty-eight.
enum class TDigitLayout { A, B, C, D };

constexpr int fnLayoutDigits(TDigitLayout layout) {
  return layout == TDigitLayout::A || layout == TDigitLayout::B ? 6 : 12;
}
constexpr int fnLayoutLength(TDigitLayout layout) {
  return layout == TDigitLayout::A || layout == TDigitLayout::B ? 10 : 28;
}

// `value` as a fixed-width number of the layout's digits, among fillers 0-8.
std::string fnInterleave(TDigitLayout layout, std::int64_t value, std::mt19937_64& random);
// The number a plain value holds; nothing when it is too short or its
// characters do not make a number.
std::optional<std::int64_t> fnExtractNumber(TDigitLayout layout, std::string_view plain);

// The sum over positions i = 1.. of b + trunc(i * b / 2) + (i + b) mod 3 + i,
// in 32 bits, bytes taken as 0-255.
std::int32_t fnChecksum(std::string_view text);

// The text scramble: each character shifted by a character of the fixed key.
std::string fnShiftWithKey(std::string_view plain);
std::string fnUnshiftWithKey(std::string_view scrambled);

}  // namespace tablerun
