#include "tool/deck_command.h"

#include <cstdio>
#include <string>

#include "config/text.h"
#include "model/deal.h"
#include "tool/console_screen.h"

namespace tablerun {

int fnDeckCommand(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: tablerun-tool deck NUMBER [--cards 52|104|156|208] [--jokers N] [--stripped 0|1|2]\n", stderr);
    return 2;
  }
  TGameRules rules;
  rules.Set(rule::kCards, 52);
  for (int i = 2; i < argc; i += 2) {
    const std::string option = argv[i];
    const auto value = i + 1 < argc ? fnParseInteger(argv[i + 1]) : std::nullopt;
    if (!value) {
      std::fprintf(stderr, "%s needs a number\n", option.c_str());
      return 2;
    }
    const auto number = static_cast<int16_t>(*value);
    if (option == "--cards") {
      rules.Set(rule::kCards, number);
    } else if (option == "--jokers") {
      rules.Set(rule::kJokersInDeck, 1);
      rules.Set(rule::kJokers, number);
    } else if (option == "--stripped") {
      rules.Set(rule::kStrippedDeck, number);
    } else {
      std::fprintf(stderr, "unknown option %s\n", option.c_str());
      return 2;
    }
  }
  TConsoleScreen screen;
  std::printf("%s\n", fnDeckText(fnGameNumberCardsArray(argv[1], rules, screen)).c_str());
  return 0;
}

}  // namespace tablerun
