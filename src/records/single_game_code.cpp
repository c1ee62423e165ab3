#include "records/single_game_code.h"

#include "records/fixed_fields.h"
#include "records/protected_value.h"

namespace tablerun {
namespace {

constexpr std::string_view kSalt = "7154";
constexpr std::size_t kCountCharacters = 10;

char fnRandomDigit(std::mt19937_64& random, int highest) {
  return static_cast<char>('0' + std::uniform_int_distribution<int>(0, highest)(random));
}

}  // namespace

std::string fnSingleGameCode(int gameCode, const TInternetCountTexts& counts, std::mt19937_64& random) {
  const std::string game = fnFixedNumber(gameCode, 4);
  // The random digits are drawn in the order they stand.
  std::string code{'0', game[3], kSalt[0]};
  code += fnRandomDigit(random, 1);
  code += {kSalt[1], kSalt[2]};
  code += fnRandomDigit(random, 8);
  code += kSalt[3];
  code += fnRandomDigit(random, 8);
  code += '3';
  code += fnRandomDigit(random, 4);
  code += game[0];
  code += fnRandomDigit(random, 8);
  code += {game[1], game[2]};
  code += fnRandomDigit(random, 2);
  code += game[3];
  code += fnRandomDigit(random, 8);
  code += fnPaddedText(std::string_view(counts.won).substr(0, kCountCharacters), kCountCharacters);
  code += fnPaddedText(std::string_view(counts.lost).substr(0, kCountCharacters), kCountCharacters);
  code += fnFixedNumber(fnChecksum(code), 8);
  return fnShiftWithKey(code);
}

std::optional<std::string> fnReadSingleGameCode(TRecordsFolder& folder, int gameCode, std::string_view player,
                                                std::mt19937_64& random) {
  const auto counts = fnReadInternetCountTexts(folder, gameCode, player);
  if (!counts) return std::nullopt;
  return fnSingleGameCode(gameCode, *counts, random);
}

}  // namespace tablerun
