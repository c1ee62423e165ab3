#include "tool/layout_command.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "config/file_system.h"
#include "config/text.h"
#include "model/catalogue.h"
#include "model/layout.h"
#include "model/rule_record.h"
#include "tool/games_commands.h"

namespace tablerun {
namespace {

constexpr int kDefaultScreenWidth = 1024;
constexpr int kDefaultScreenHeight = 768;
constexpr int kLargestDimension = 30000;

constexpr const char* kHelp =
    "usage: tablerun-tool layout CODE [options]\n"
    "Lays out the table of game CODE and prints \"Name X Y\" for every pile on the\n"
    "table (Y in table coordinates), then \"entry N V\" for the fan steps.\n"
    "\n"
    "  --screen WxH          screen size (1024x768)\n"
    "  --table WxH           table area: the client width, and the client height\n"
    "                        above the status bar (screen width x screen height - 96)\n"
    "  --top T               tool bar height (50)\n"
    "  --window-height H     the main window's outer height (screen height - 30)\n"
    "  --frame F             outer height minus client height (46)\n"
    "  --card-size L|M|B|S|X card size (B)\n"
    "  --shadow 0|9          card shadow depth (9)\n"
    "  --games FILE          the games list (GAMES.DAT beside the tool)\n"
    "\n"
    "The defaults describe a main window maximised on the screen: a 30-pixel task\n"
    "bar below it, 46 pixels of title and menu bar, a 50-pixel tool bar and a\n"
    "20-pixel status bar, no vertical scroll bar.\n";

int fnBadUsage(const std::string& why) {
  std::fprintf(stderr, "tablerun-tool layout: %s (tablerun-tool layout --help)\n", why.c_str());
  return 2;
}

std::optional<int> fnDimension(std::string_view text, int least) {
  const auto value = fnParseInteger(text);
  if (!value || *value < least || *value > kLargestDimension) return std::nullopt;
  return static_cast<int>(*value);
}

// "WxH", both at least 1.
std::optional<std::pair<int, int>> fnSize(std::string_view text) {
  const auto x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto width = fnDimension(text.substr(0, x), 1);
  const auto height = fnDimension(text.substr(x + 1), 1);
  if (!width || !height) return std::nullopt;
  return std::make_pair(*width, *height);
}

struct TLayoutOptions {
  std::optional<std::pair<int, int>> table, screen;
  std::optional<int> top, windowHeight, frame, shadow;
  char cardSize = 'B';
  std::string gamesFile;
};

// Takes one option; what is wrong with it, or an empty text.
std::string fnParseOption(TLayoutOptions& options, std::string_view name, std::string_view value) {
  if (name == "--table") return (options.table = fnSize(value)) ? "" : "--table takes WxH";
  if (name == "--screen") return (options.screen = fnSize(value)) ? "" : "--screen takes WxH";
  if (name == "--top") return (options.top = fnDimension(value, 0)) ? "" : "--top takes a number of pixels";
  if (name == "--window-height")
    return (options.windowHeight = fnDimension(value, 1)) ? "" : "--window-height takes a number of pixels";
  if (name == "--frame") return (options.frame = fnDimension(value, 0)) ? "" : "--frame takes a number of pixels";
  if (name == "--shadow") {
    options.shadow = fnDimension(value, 0);
    return options.shadow == 0 || options.shadow == 9 ? "" : "--shadow takes 0 or 9";
  }
  if (name == "--card-size") {
    options.cardSize = value.size() == 1 ? value[0] : '?';
    return TLayoutMetrics::IsCardSize(options.cardSize) ? "" : "--card-size takes L, M, B, S or X";
  }
  if (name == "--games") {
    options.gamesFile = value;
    return "";
  }
  return "unknown option " + std::string(name);
}

TLayoutMetrics fnMetrics(const TLayoutOptions& options) {
  const auto [screenWidth, screenHeight] =
      options.screen.value_or(std::make_pair(kDefaultScreenWidth, kDefaultScreenHeight));
  TLayoutMetrics metrics =
      fnMaximisedWindowMetrics(screenWidth, screenHeight, options.cardSize, options.shadow.value_or(9));
  if (options.table) std::tie(metrics.tableWidth, metrics.tableHeight) = *options.table;
  metrics.top = options.top.value_or(metrics.top);
  metrics.windowHeight = options.windowHeight.value_or(metrics.windowHeight);
  metrics.frameHeight = options.frame.value_or(metrics.frameHeight);
  return metrics;
}

void fnPrintLayout(const TMainGame& game) {
  // Two-digit names ("Fila07"), as the layout's readers write them.
  const auto print = [&game](TPileRef pile, const std::string& name, int x, int y) {
    if (!game.IsPileAbsent(pile)) std::printf("%s %d %d\n", name.c_str(), x, y);
  };
  const auto numbered = [](const char* prefix, int pile) { return prefix + fnZeroFill(pile + 1, 2); };
  for (int pile = 0; pile < fnPileGroupSize(TPileGroup::Mazzo); ++pile) {
    const TPileRef ref{TPileGroup::Mazzo, pile};
    print(ref, fnPileName(ref), game.MazzoX(pile), game.MazzoY(pile));
  }
  for (int pile = 0; pile < fnPileGroupSize(TPileGroup::Dest); ++pile)
    print({TPileGroup::Dest, pile}, numbered("Dest", pile), game.DestX(pile), game.DestY(pile));
  for (int pile = 0; pile < fnPileGroupSize(TPileGroup::Fila); ++pile)
    print({TPileGroup::Fila, pile}, numbered("Fila", pile), game.FilaX(pile), game.FilaY(pile));
  for (int pile = 0; pile < fnPileGroupSize(TPileGroup::Appogg); ++pile)
    print({TPileGroup::Appogg, pile}, numbered("Appogg", pile), game.AppoggX(pile), game.AppoggY(pile));
  for (const TMainGameEntry entry :
       {entries::kFanDownFaceUp, entries::kFanRightFaceUp, entries::kFanDownFaceDown, entries::kFanRightFaceDown,
        entries::kRowSpacing, entries::kColumnSpacing, entries::kFanArrangement4, entries::kFanArrangement5,
        entries::kFanArrangement5Across, entries::kFanArrangement6, entries::kFanArrangement6Across,
        entries::kCardOffset105, entries::kCardOffset106})
    std::printf("entry %d %d\n", entry.index, game.Get(entry));
}

}  // namespace

int fnLayoutCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--help") {
      std::fputs(kHelp, stdout);
      return 0;
    }
  }
  if (argc < 2) return fnBadUsage("a game code is needed");
  const auto code = fnParseInteger(argv[1]);
  if (!code || *code < 0 || *code > 32767) return fnBadUsage(std::string("not a game code: ") + argv[1]);
  TLayoutOptions options;
  options.gamesFile = fnDefaultGamesFile();
  for (int i = 2; i < argc; i += 2) {
    if (i + 1 >= argc) return fnBadUsage(std::string(argv[i]) + " needs a value");
    if (const auto why = fnParseOption(options, argv[i], argv[i + 1]); !why.empty()) return fnBadUsage(why);
  }
  TGameRules rules;
  if (!fnLoadGameRules(options.gamesFile, static_cast<int>(*code), rules)) return 1;
  TMainGame game;
  fnLayoutTable(rules, fnMetrics(options), game);
  fnPrintLayout(game);
  return 0;
}

}  // namespace tablerun
