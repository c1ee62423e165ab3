#include "model/games_file.h"

#include "config/text.h"

namespace tablerun {
namespace {

const char* const kHeaders[] = {"[Sect1]", "[Sect2]", "[SectS]", "[SectO]", "[SectK]"};

}  // namespace

char fnUnscramble(char stored) {
  const auto b = static_cast<unsigned char>(stored);
  return static_cast<char>(b >= 80 ? b - 48 : b + 48);
}

std::string fnUnscramble(std::string_view stored) {
  std::string plain(stored);
  for (char& c : plain) c = fnUnscramble(c);
  return plain;
}

bool fnCanScramble(char plain) {
  const auto p = static_cast<unsigned char>(plain);
  return p >= 32 && p <= 207;
}

std::string fnScramble(std::string_view plain) {
  std::string stored(plain);
  for (char& c : stored) c = static_cast<char>(static_cast<unsigned char>(c) + 48);
  return stored;
}

TGamesFile TGamesFile::Parse(std::string_view bytes) {
  TGamesFile file;
  file.endsWithLineBreak_ = bytes.ends_with('\n');
  std::vector<std::string>* current = nullptr;
  for (const std::string_view line : fnSplitLines(bytes)) {
    if (line.starts_with('[')) {
      current = nullptr;
      for (const char* header : kHeaders) {
        if (line.starts_with(header)) current = &file.sections_[header];
      }
      continue;
    }
    if (current != nullptr) current->emplace_back(line);
  }
  return file;
}

const std::vector<std::string>& TGamesFile::Section(const std::string& header) const {
  static const std::vector<std::string> kNone;
  const auto found = sections_.find(header);
  return found == sections_.end() ? kNone : found->second;
}

std::optional<std::string> TGamesFile::FirstMissingSection() const {
  for (const char* header : kHeaders) {
    if (!sections_.contains(header)) return header;
  }
  return std::nullopt;
}

}  // namespace tablerun
