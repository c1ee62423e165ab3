// "config-dump": the configuration record as the program would fill it from a data folder.
#pragma once

#include <string>

namespace tablerun {

// Prints one line per position: position, length, store key ("-" for none) and
// value, separated by tabs. The store is only read, never written.
int fnConfigDump(const std::string& dataFolder);

}  // namespace tablerun
