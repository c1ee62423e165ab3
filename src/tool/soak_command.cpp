#include "tool/soak_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/text.h"
#include "engine/session/soak.h"
#include "tool/games_commands.h"

namespace tablerun {
namespace {

constexpr const char* kUsage = "usage: tablerun-tool soak [--games all|CODE,...] [--deals N] [--moves M] [--seed S]\n";

struct TSoakArguments {
  std::string games = "all";
  TSoakOptions options;
};

std::optional<std::int64_t> Count(const char* text, std::int64_t most) {
  const auto value = fnParseInteger(text);
  if (!value || *value < 0 || *value > most) return std::nullopt;
  return value;
}

std::optional<TSoakArguments> ParseArguments(int argc, char** argv) {
  TSoakArguments arguments;
  for (int at = 1; at < argc; at += 2) {
    if (at + 1 >= argc) return std::nullopt;
    const std::string_view option = argv[at];
    const char* value = argv[at + 1];
    if (option == "--games") {
      arguments.games = value;
    } else if (option == "--deals" || option == "--moves") {
      const auto count = Count(value, 1'000'000);
      if (!count) return std::nullopt;
      (option == "--deals" ? arguments.options.deals : arguments.options.moves) = static_cast<int>(*count);
    } else if (option == "--seed") {
      const auto seed = Count(value, INT64_MAX);
      if (!seed) return std::nullopt;
      arguments.options.seed = static_cast<std::uint64_t>(*seed);
    } else {
      return std::nullopt;
    }
  }
  return arguments;
}

// The codes the option names, in its order; nothing for a code not in the list.
std::optional<std::vector<int>> GameCodes(const std::string& games, const TCatalogue& catalogue) {
  std::vector<int> codes;
  if (games == "all") {
    for (const auto& entry : catalogue.Entries()) codes.push_back(entry.code);
    return codes;
  }
  std::size_t start = 0;
  while (start <= games.size()) {
    const std::size_t comma = std::min(games.find(',', start), games.size());
    const auto code = fnParseInteger(std::string_view(games).substr(start, comma - start));
    if (!code || catalogue.Index(static_cast<int>(*code)) < 0) {
      std::fprintf(stderr, "Game %s is not in the games list.\n", games.substr(start, comma - start).c_str());
      return std::nullopt;
    }
    codes.push_back(static_cast<int>(*code));
    start = comma + 1;
  }
  return codes;
}

}  // namespace

int fnSoakCommand(int argc, char** argv) {
  const auto arguments = ParseArguments(argc, argv);
  if (!arguments) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  TCatalogue catalogue;
  if (!fnLoadGamesList(fnDefaultGamesFile(), catalogue)) return 1;
  const auto codes = GameCodes(arguments->games, catalogue);
  if (!codes) return 1;
  bool failed = false;
  for (const int code : *codes) {
    const TSoakReport report = fnSoakGame(catalogue, code, arguments->options);
    std::printf("%03d %-30s deals %d, moves %d, failures %zu\n", code,
                catalogue.Entries()[static_cast<std::size_t>(catalogue.Index(code))].name.c_str(), report.deals,
                report.moves, report.failures.size());
    for (const std::string& failure : report.failures) std::printf("    %s\n", failure.c_str());
    failed = failed || !report.failures.empty();
  }
  return failed ? 1 : 0;
}

}  // namespace tablerun
