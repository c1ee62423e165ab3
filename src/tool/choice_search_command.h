// "tablerun-tool choice search": what the fast-search window lists for a typed text.
#pragma once

namespace tablerun {

// argv[0] is "search".
int fnChoiceSearchCommand(int argc, char** argv);

}  // namespace tablerun
