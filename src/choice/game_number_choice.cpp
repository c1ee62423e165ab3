#include "choice/game_number_choice.h"

namespace tablerun {
namespace {

constexpr std::size_t kNumberDigits = 13;

}  // namespace

TTypedNumber fnReadTypedNumber(std::string_view typed) {
  const std::size_t start = typed.find_first_not_of(' ');
  if (start == std::string_view::npos) return {TNumberProblem::Empty, ""};
  typed.remove_prefix(start);
  if (typed.find_first_not_of("0123456789") != std::string_view::npos) return {TNumberProblem::NotDigits, ""};
  std::string number = std::string(kNumberDigits, '0') + std::string(typed);
  number = number.substr(number.size() - kNumberDigits);
  if (number.find_first_not_of('0') == std::string::npos) return {TNumberProblem::Zero, ""};
  return {TNumberProblem::None, number};
}

std::string fnNumberProblemMessage(TNumberProblem problem) {
  return problem == TNumberProblem::NotDigits ? "Numbers only are required." : "";
}

std::optional<int> fnRandomBuiltInGame(const TCatalogue& catalogue, std::mt19937_64& random) {
  const auto& entries = catalogue.Entries();
  if (entries.empty()) return std::nullopt;
  std::uniform_int_distribution<std::size_t> pick(0, entries.size() - 1);
  return entries[pick(random)].code;
}

}  // namespace tablerun
