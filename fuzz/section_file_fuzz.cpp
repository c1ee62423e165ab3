// Any bytes as a sectioned file: reading must not crash, nor must writing a
// value into a copy.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "config/section_file.h"
#include "fuzz_support.h"

namespace {

using namespace tablerun;
using fuzzing::TSilentScreen;

// Takes a name of up to 15 bytes, its length given by the input's next byte.
std::string TakeName(std::string_view& input) {
  if (input.empty()) return {};
  const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(input[0]) % 16, input.size() - 1);
  std::string name(input.substr(1, length));
  input.remove_prefix(1 + length);
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string section = TakeName(input);
  const std::string key = TakeName(input);
  const std::string value = TakeName(input);

  TPosixFileSystem fs;
  TSilentScreen screen;
  const std::string original = fuzzing::fnScratchFolder() + "read.dat";
  fuzzing::fnStoreBytes(original, input);
  TSectionFile file(fs, screen, original);
  std::vector<std::string> sections = file.ListSections();
  sections.push_back(section);
  for (const std::string& name : sections) {
    file.FindSection(name);
    file.ReadValue(name, key, "default");
    std::vector<TKeyValue> entries{{key, "a"}, {"Won", "b"}};
    file.ReadValues(name, entries);
    file.ReadSectionLines(name);
  }

  const std::string copy = fuzzing::fnScratchFolder() + "write.dat";
  fuzzing::fnStoreBytes(copy, input);
  TSectionFile written(fs, screen, copy);
  written.WriteValue(section, key, value);
  // What callers store (no line breaks, no key that looks like a header) must read back.
  const bool plain = section.find_first_of("\r\n]") == std::string::npos &&
                     key.find_first_of("\r\n= ") == std::string::npos && !key.starts_with('[') &&
                     value.find_first_of("\r\n") == std::string::npos;
  const std::string trimmed = value.substr(0, value.find_last_not_of(" \t") + 1);
  if (plain && written.ReadValue(section, key, "").value != trimmed) std::abort();
  return 0;
}
