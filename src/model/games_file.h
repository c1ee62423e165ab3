// The games list file GAMES.DAT as bytes: plain section headers, data lines
// stored with every character shifted by 48.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablerun {

inline constexpr const char* kGamesFileName = "GAMES.DAT";

// Stored b reads as b − 48 when b ≥ 80, else as b + 48.
char fnUnscramble(char stored);
std::string fnUnscramble(std::string_view stored);
// The writer's side: plain characters from blank to 207 only.
std::string fnScramble(std::string_view plain);
bool fnCanScramble(char plain);

// The lines of the sections as stored (not unscrambled), by header.
class TGamesFile {
 public:
  // Lines end with LF or CR LF; a section runs from the line that starts with
  // its header to the next line that starts with "[".
  static TGamesFile Parse(std::string_view bytes);

  const std::vector<std::string>& Section(const std::string& header) const;
  // The first of the five headers the file lacks; a file cut short lacks the later ones.
  std::optional<std::string> FirstMissingSection() const;
  // A file written whole ends with its last line's break.
  bool EndsWithLineBreak() const { return endsWithLineBreak_; }

 private:
  std::map<std::string, std::vector<std::string>> sections_;
  bool endsWithLineBreak_ = false;
};

}  // namespace tablerun
