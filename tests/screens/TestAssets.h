#pragma once
// Moved to tests/support, shared with the game mode tests.
#include "support/TestAssets.h"
