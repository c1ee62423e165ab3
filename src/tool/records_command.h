// "tablerun-tool records": games recorded as the program records them, and
// every statistics file of a data folder printed decoded.
#pragma once

namespace tablerun {

int fnRecordsCommand(int argc, char** argv);

}  // namespace tablerun
