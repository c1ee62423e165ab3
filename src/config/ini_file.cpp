#include "config/ini_file.h"

#include "config/safe_replace.h"
#include "config/text.h"

namespace tablerun {
namespace {

// "[Name]" (blanks around allowed) → Name; anything else → nothing.
bool fnHeaderName(const std::string& line, std::string& name) {
  const std::string trimmed = fnTrim(line);
  if (trimmed.size() < 2 || trimmed.front() != '[') return false;
  const auto close = trimmed.find(']');
  if (close == std::string::npos) return false;
  name = fnTrim(std::string_view(trimmed).substr(1, close - 1));
  return true;
}

bool fnKeyOf(const std::string& line, std::string& key, std::string& value) {
  const auto equals = line.find('=');
  if (equals == std::string::npos) return false;
  key = fnTrim(std::string_view(line).substr(0, equals));
  value = fnTrim(std::string_view(line).substr(equals + 1));
  return !key.empty();
}

}  // namespace

TIniFile::TIniFile(TFileSystem& fs, TMessages& messages, std::string path, TAccess access)
    : fs_(fs), messages_(messages), path_(std::move(path)), access_(access) {
  const auto bytes = fnReadWholeFile(fs_, path_);
  if (!bytes) return;
  for (const std::string_view line : fnSplitLines(*bytes)) lines_.emplace_back(line);
}

std::optional<std::size_t> TIniFile::FindSection(const std::string& section) const {
  std::string name;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (fnHeaderName(lines_[i], name) && fnSameTextIgnoringCase(name, section)) return i;
  }
  return std::nullopt;
}

std::size_t TIniFile::SectionEnd(std::size_t header) const {
  std::string name;
  std::size_t i = header + 1;
  while (i < lines_.size() && !fnHeaderName(lines_[i], name)) ++i;
  return i;
}

std::optional<std::size_t> TIniFile::FindKey(std::size_t header, const std::string& key) const {
  std::string name, value;
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    if (fnKeyOf(lines_[i], name, value) && fnSameTextIgnoringCase(name, key)) return i;
  }
  return std::nullopt;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const {
  const auto header = FindSection(section);
  const auto line = header ? FindKey(*header, key) : std::nullopt;
  if (!line) return fallback;
  std::string name, value;
  fnKeyOf(lines_[*line], name, value);
  return value;
}

std::int64_t TIniFile::ReadInteger(const std::string& section, const std::string& key, std::int64_t fallback) const {
  return fnParseInteger(ReadString(section, key, "")).value_or(fallback);
}

bool TIniFile::KeyExists(const std::string& section, const std::string& key) const {
  const auto header = FindSection(section);
  return header && FindKey(*header, key);
}

bool TIniFile::SectionExists(const std::string& section) const { return FindSection(section).has_value(); }

std::vector<std::string> TIniFile::ReadKeys(const std::string& section) const {
  std::vector<std::string> keys;
  const auto header = FindSection(section);
  if (!header) return keys;
  std::string name, value;
  const std::size_t end = SectionEnd(*header);
  for (std::size_t i = *header + 1; i < end; ++i) {
    if (fnKeyOf(lines_[i], name, value)) keys.push_back(name);
  }
  return keys;
}

bool TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  // A line break, or a bracket or "=" in a name, would forge lines of its own.
  if (!fnIsOneLine(section) || !fnIsOneLine(key) || !fnIsOneLine(value) || section.find(']') != std::string::npos ||
      key.find('=') != std::string::npos || fnTrim(key).empty())
    return false;
  const std::string line = key + "=" + value;
  const auto header = FindSection(section);
  if (!header) {
    // A new section goes at the end, one empty line after the last one.
    if (!lines_.empty() && !fnTrim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + section + "]");
    lines_.push_back(line);
    return Changed();
  }
  if (const auto existing = FindKey(*header, key)) {
    // Keep the key's own spelling.
    std::string name, old;
    fnKeyOf(lines_[*existing], name, old);
    const std::string updated = name + "=" + value;
    if (lines_[*existing] == updated) return true;
    lines_[*existing] = updated;
    return Changed();
  }
  // After the section's last non-empty line, so the empty line before the next section stays.
  std::size_t insertAt = SectionEnd(*header);
  while (insertAt > *header + 1 && fnTrim(lines_[insertAt - 1]).empty()) --insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
  return Changed();
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, std::int64_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::EraseSection(const std::string& section) {
  const auto header = FindSection(section);
  if (!header) return true;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
               lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
  return Changed();
}

std::string TIniFile::Serialize() const {
  std::string bytes;
  for (const auto& line : lines_) bytes += line + "\r\n";
  return bytes;
}

bool TIniFile::Changed() {
  dirty_ = true;
  return deferDepth_ > 0 || Save();
}

bool TIniFile::Save() {
  dirty_ = false;
  if (access_ == TAccess::InspectOnly) return true;
  return fnReplaceFile(fs_, messages_, path_, Serialize());
}

}  // namespace tablerun
