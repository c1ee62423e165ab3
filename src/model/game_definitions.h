// Game definitions: the readable text form of a game's rules, checked and
// compiled into the games list file.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

namespace tablerun {

struct TGameDefinition {
  std::string file;  // the definition's file name, for messages
  int code = -1;
  std::string name;
  int type = 0;
  bool needsWideScreen = false;
  bool isNew = false;
  bool hidden = false;  // listed in the file, left out of the catalogue
  bool checkDeal = true;
  std::vector<std::string> groups;  // "selected", "original", "children"
  std::array<int, 503> slots{};
  std::array<int, 503> setAtLine{};  // 0: never set (by this definition or its base)
};

class TGamesCompiler {
 public:
  // One definition; its name (without the folder and ".game") is how variants refer to it.
  void Add(const std::string& fileName, const std::string& text);

  // Parses, resolves variants and checks every game; messages read "file:line: problem".
  bool Compile(std::vector<std::string>& errors);

  // The games in catalogue order (by code), after a successful Compile.
  const std::vector<TGameDefinition>& Games() const { return games_; }

  // GAMES.DAT as bytes.
  std::string GamesFileBytes() const;

 private:
  struct TSource {
    std::string text;
  };
  bool Build(const std::string& id, std::vector<std::string>& stack, std::vector<std::string>& errors);

  std::map<std::string, TSource> sources_;
  std::map<std::string, TGameDefinition> built_;
  std::vector<TGameDefinition> games_;
};

}  // namespace tablerun
