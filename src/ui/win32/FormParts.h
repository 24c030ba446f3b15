#pragma once

// Only the entry point still includes this name; it wants the message loop. Goes when the entry
// point moves out of this folder.
#include "ui/win32/DialogKeys.h"
