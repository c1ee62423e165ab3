// Small text helpers shared by the program's file formats.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablerun {

// Numbers as the files and records write them: decimal text of a fixed width,
// zero-filled, the sign first. −1 in width 4 is "-001"; a number too wide for its field is that many "*".
std::string fnZeroFill(std::int64_t value, int width);

// The whole text (blanks around it allowed) as a signed decimal number.
std::optional<std::int64_t> fnParseInteger(std::string_view text);

// Colours are 32-bit values that may have been stored unsigned (2147483663)
// or signed (−2147483633); both give the signed form.
std::int32_t fnColourFromStored(std::int64_t stored);

std::string fnTrim(std::string_view text);
std::string fnTrimRight(std::string_view text);
bool fnSameTextIgnoringCase(std::string_view a, std::string_view b);
std::string fnLowerCase(std::string_view text);
// Lines ended by LF or CR LF; a last line without an end counts too.
std::vector<std::string_view> fnSplitLines(std::string_view text);

// No CR or LF: safe to write as (part of) one line of a file.
bool fnIsOneLine(std::string_view text);

}  // namespace tablerun
