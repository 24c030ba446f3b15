#pragma once

// Kept only for src/cli until it moves into the application layer; include what is used instead.
#include "batch/AsciiCase.h"
#include "batch/TextLines.h"
