#pragma once

#include "ui/WindowFactory.h"

namespace tarvic {

class Host;

// The whole program, from its command line to its exit code: what the entry point runs, and
// what the tests start. A quiet run never touches `windows`.
int RunApplication(Host& host, WindowFactory& windows);

}  // namespace tarvic
