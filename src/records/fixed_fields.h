// The two field kinds every statistics file is made of: numbers of a fixed
// width filled with "0", and text padded with spaces.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tablerun {

// `value` in exactly `width` characters ("-00012" for -12 in 6). A value too
// wide for the field is clamped to the nearest one it holds, so that a record
// never turns unreadable.
std::string fnFixedNumber(std::int64_t value, int width);

// The number in columns `start` (0-based) to `start + width`; nothing when the
// text is too short for them or they do not hold a number.
std::optional<std::int64_t> fnNumberAt(std::string_view text, std::size_t start, std::size_t width);

// `text` cut to `width` characters or filled with spaces to them.
std::string fnPaddedText(std::string_view text, int width);

}  // namespace tablerun
