// "tablerun-tool choice": the game lists of the open-a-game dialog, headless.
#pragma once

namespace tablerun {

int fnChoiceCommand(int argc, char** argv);

}  // namespace tablerun
