// "soak": random play over the built-in games with every consistency check on.
#pragma once

namespace tablerun {

// argv[0] is "soak"; options --games all|CODE,..., --deals N, --moves M,
// --seed S. One line per game; exit status 1 when any deal failed.
int fnSoakCommand(int argc, char** argv);

}  // namespace tablerun
