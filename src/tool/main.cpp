// tablerun-tool: the headless companion built on the same core as the program.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "--version") {
    std::printf("tablerun-tool %s\n", TABLERUN_VERSION);
    return 0;
  }
  std::fprintf(stderr, "usage: tablerun-tool --version\n");
  return 2;
}
