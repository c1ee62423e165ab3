// The main window's title: product, version, game, player and deal.
#pragma once

#include <string>

#include "config/config_record.h"

namespace tablerun {

std::string fnWindowTitle(const TConfigRecord& config);

}  // namespace tablerun
