// Notices the player can switch off for good with a tick in the message box.
#pragma once

#include <string>

#include "config/ini_file.h"
#include "config/messages.h"

namespace tablerun {

// Shows the notice unless "Show_Messages" holds key = "N"; a tick writes that.
void fnShowOneTimeAdvisory(TIniFile& store, TMessages& messages, const std::string& key, const std::string& text);

}  // namespace tablerun
