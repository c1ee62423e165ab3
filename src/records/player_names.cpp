#include "records/player_names.h"

#include <algorithm>

#include "config/config_fields.h"

namespace tablerun {
namespace {

constexpr std::string_view kForbidden = "\\/:*?\"<>|";

bool fnIsControl(char c) { return static_cast<unsigned char>(c) < 32 || c == 127; }

}  // namespace

TNameProblem fnCheckPlayerName(std::string_view name) {
  if (name.empty()) return TNameProblem::Empty;
  if (name.find_first_of(kForbidden) != std::string_view::npos) return TNameProblem::ForbiddenCharacter;
  // "." and ".." name folders; names that begin or end with a blank or a dot
  // do not survive every file system, and control characters no file name.
  const auto edge = [](char c) { return c == ' ' || c == '.'; };
  if (edge(name.front()) || edge(name.back()) || std::any_of(name.begin(), name.end(), fnIsControl)) {
    return TNameProblem::NotAFileName;
  }
  // The room the current player's name has in the preferences.
  if (name.size() > static_cast<std::size_t>(cfg::kPlayer.length)) return TNameProblem::TooLong;
  return TNameProblem::None;
}

std::string fnNameProblemMessage(TNameProblem problem) {
  switch (problem) {
    case TNameProblem::None: return {};
    case TNameProblem::Empty: return "Please enter at least 1 character.";
    case TNameProblem::ForbiddenCharacter: {
      std::string message = "A Player name cannot contain any of the following characters: ";
      for (std::size_t i = 0; i < kForbidden.size(); ++i) {
        message += kForbidden[i];
        if (i + 1 < kForbidden.size()) message += ' ';
      }
      return message;
    }
    case TNameProblem::NotAFileName:
      return "A Player name cannot begin or end with a space or a dot, nor hold control characters.";
    case TNameProblem::TooLong: return "A Player name can be at most 30 characters long.";
  }
  return {};
}

}  // namespace tablerun
