#include "config/text.h"

#include <charconv>

namespace tablerun {

std::string fnZeroFill(std::int64_t value, int width) {
  if (width <= 0) return {};
  std::string digits =
      std::to_string(value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value));
  const std::size_t room = static_cast<std::size_t>(width) - (value < 0 ? 1 : 0);
  if (digits.size() > room) return std::string(static_cast<std::size_t>(width), '*');
  return (value < 0 ? "-" : "") + std::string(room - digits.size(), '0') + digits;
}

std::optional<std::int64_t> fnParseInteger(std::string_view text) {
  const std::string trimmed = fnTrim(text);
  std::string_view digits = trimmed;
  if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
  return value;
}

std::int32_t fnColourFromStored(std::int64_t stored) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(stored));
}

std::string fnTrim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::string fnTrimRight(std::string_view text) {
  const auto last = text.find_last_not_of(" \t");
  return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

namespace {
char fnLowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool fnSameTextIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (fnLowerChar(a[i]) != fnLowerChar(b[i])) return false;
  }
  return true;
}

std::string fnLowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = fnLowerChar(c);
  return lower;
}

std::vector<std::string_view> fnSplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

bool fnIsOneLine(std::string_view text) { return text.find_first_of("\r\n") == std::string_view::npos; }

}  // namespace tablerun
