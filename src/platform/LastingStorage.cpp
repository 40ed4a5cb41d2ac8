#include "platform/LastingStorage.h"

// The web host's version is in WebHost.cpp.
#ifndef __EMSCRIPTEN__
void KeepWrittenFiles() {}
#endif
