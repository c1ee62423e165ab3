// tablerun-tool: the headless companion built on the same core as the program.
#include <cstdio>
#include <string>

#include "tool/config_dump.h"

namespace {

constexpr const char* kUsage =
    "usage: tablerun-tool --version\n"
    "       tablerun-tool config-dump DATAFOLDER\n";

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "--version" && argc == 2) {
    std::printf("tablerun-tool %s\n", TABLERUN_VERSION);
    return 0;
  }
  if (command == "config-dump" && argc == 3) return tablerun::fnConfigDump(argv[2]);
  std::fputs(kUsage, stderr);
  return 2;
}
